#pragma once

#include <QString>
#include <optional>

// A decree as the data files write it, as the user reads it:
// "DM 11/12/2015 (GU 291, 15/12/2015)" reads "D.M. 11/12/2015 (G.U. n. 291 del
// 15/12/2015)", "DD ..." reads "D.D. ...", and a text in no such form (a law,
// a note) stays as written. Nothing when a date of a decree is no calendar day.
namespace velmora {

std::optional<QString> DecreeText(const QString& asWritten);

// A decree as the user reads it, with its dates written out as a text cites
// it: "D.M. 11/12/2015 (G.U. n. 291 del 15/12/2015)" reads "D.M. 11 dicembre
// 2015 (G.U. 15 dicembre 2015, n. 291)". Any other text stays as it is.
QString DecreeCitedText(const QString& shown);

}  // namespace velmora
