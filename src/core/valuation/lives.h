#pragma once

#include <QDate>
#include <QVarLengthArray>
#include <cstddef>
#include <optional>
#include <span>

// The lives a lifetime right rests on, and whose age values it.
namespace velmora {

enum class RegolaEta {
  UnaVita,     // one life: its age
  PiuAnziano,  // several lives, the right ending at the first death: the oldest's age
  PiuGiovane,  // several lives with accrual between them: the youngest's age
};

struct Vita {
  QDate nascita;
  // On the reference date, counted as the valuation counts an age.
  int anni = 0;
  int mesi = 0;
  int giorni = 0;
};

// Most rights rest on one or two lives: those take no memory of their own.
using ListaVite = QVarLengthArray<Vita, 2>;
using ListaNascite = QVarLengthArray<QDate, 2>;

struct Vite {
  ListaVite vite;         // in the order given
  std::size_t conta = 0;  // the life whose age picks the band
  RegolaEta regola = RegolaEta::UnaVita;
};

// The ages on the reference date and the life that counts. Several lives
// need to know whether there is accrual between them: nothing without it, and
// nothing for a life that begins after the reference date.
std::optional<Vite> ViteAl(std::span<const QDate> nascite, const QDate& riferimento,
                           std::optional<bool> accrescimento);

// The first day after the reference date on which someone born on `nascita`
// is a year older: the anniversary, or the 1st of March for a birth on the
// 29th of February in a common year.
QDate ProssimoCompleanno(const QDate& nascita, const QDate& riferimento);

}  // namespace velmora
