#pragma once

#include <QString>

// What the printing service says of a queue, asked at the moment: Qt's print
// engine hands a job over without looking at the answer.
namespace velmora {

// The queue is installed and takes jobs.
bool QueueTakesJobs(const QString& printerName);

// Right after a job was handed to the queue: the service took it, and the
// queue is still there and not stopped.
bool QueueTookTheJob(const QString& printerName);

}  // namespace velmora
