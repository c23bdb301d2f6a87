#pragma once

#include <optional>

// "velmora servizio": the valuations as a web page and a JSON API, with no
// display. Called by main before anything else starts.
namespace velmora::server {

// The exit status when the command is servizio; nothing for any other.
std::optional<int> AnswerService(int argc, char** argv);

}  // namespace velmora::server
