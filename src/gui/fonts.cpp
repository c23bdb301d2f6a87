#include "gui/fonts.h"

#include <QStringList>

namespace velmora {

QFont FontFor(Face face) {
  const bool tahoma = face == Face::Tahoma || face == Face::TahomaBold;
  QFont f;
  f.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"),
                 tahoma ? QStringLiteral("Tahoma") : QStringLiteral("MS Sans Serif")});
  f.setPixelSize(face == Face::BoldSans ? 10 : 11);
  f.setBold(face == Face::BoldSans || face == Face::TahomaBold);
  return f;
}

}  // namespace velmora
