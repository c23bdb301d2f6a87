#pragma once

#include <QFont>

namespace velmora {

// The faces of the layout: "bold sans" (MS Sans Serif bold, 7.47 pt) and
// Tahoma (8.15 pt), beside the window's default face (8.25 pt). Where those
// faces are missing one metric-compatible sans serif stands in for all of
// them: one face to load keeps start-up quick.
enum class Face { Default, BoldSans, Tahoma, TahomaBold };

QFont FontFor(Face face);

}  // namespace velmora
