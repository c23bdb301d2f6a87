#pragma once

#include <QString>
#include <memory>

#include "platform/printer_failure.h"

class QImage;

namespace velmora {

// What a printer tells about itself, in the codes of the printer window:
// - Width, Height: the paper as oriented, in twips (points x 20).
// - PaperSize: the Windows paper code (9 A4, 256 a size of the user's own).
// - Orientation 1 portrait, 2 landscape; ColorMode 1 grayscale, 2 colour;
//   Duplex 1 one-sided, 2 long-edge, 3 short-edge; PaperBin the Windows bin
//   code; PrintQuality -1 draft .. -4 high, or the resolution in dots per inch.
// - ScaleLeft .. ScaleHeight: the coordinate system laid over the printable
//   area, twips from its top-left corner unless set otherwise; Zoom per cent.
// Every reading may throw PrinterFailure.
class Printer {
 public:
  virtual ~Printer() = default;

  virtual QString DeviceName() = 0;
  virtual QString DriverName() = 0;
  virtual QString Port() = 0;
  virtual int Width() = 0;
  virtual int Height() = 0;
  virtual int PaperSize() = 0;
  virtual int Orientation() = 0;
  virtual int ColorMode() = 0;
  virtual int Copies() = 0;
  virtual int Duplex() = 0;
  virtual int PaperBin() = 0;
  virtual int PrintQuality() = 0;
  virtual float ScaleLeft() = 0;
  virtual float ScaleTop() = 0;
  virtual float ScaleWidth() = 0;
  virtual float ScaleHeight() = 0;
  virtual int Zoom() = 0;
};

// The printer that the next printout goes to. Its settings are its own:
// changing them leaves the installed printer it was made from as it was.
// A value the printer does not support throws PrinterFailure and changes
// nothing.
class CurrentPrinter : public Printer {
 public:
  virtual void SetWidth(int twips) = 0;
  virtual void SetHeight(int twips) = 0;
  virtual void SetPaperSize(int code) = 0;
  virtual void SetOrientation(int code) = 0;
  virtual void SetColorMode(int code) = 0;
  virtual void SetCopies(int copies) = 0;
  virtual void SetDuplex(int code) = 0;
  virtual void SetPaperBin(int code) = 0;
  virtual void SetPrintQuality(int code) = 0;
  virtual void SetScaleLeft(float value) = 0;
  virtual void SetScaleTop(float value) = 0;
  virtual void SetScaleWidth(float value) = 0;
  virtual void SetScaleHeight(float value) = 0;
  virtual void SetZoom(int percent) = 0;

  // With it true, the current printer follows the desktop's default printer
  // when that changes.
  virtual bool TrackDefault() = 0;
  virtual void SetTrackDefault(bool track) = 0;

  // Prints the image as one page, placed by the scale and the zoom, and ends
  // the job at once. Throws PrinterFailure when the printer is gone or takes
  // no jobs, and when the printing service did not take the job.
  virtual void PrintImage(const QImage& image) = 0;
  // Prints an HTML document on as many pages as it needs, within the
  // printable area; failures as PrintImage.
  virtual void PrintDocument(const QString& html) = 0;
};

// The installed printers, as last read, and the current printer, held for
// the whole run.
class PrinterSystem {
 public:
  virtual ~PrinterSystem() = default;

  // Reads the installed printers again, as the printing service has them now.
  // The current printer stays, even when it is no longer installed.
  virtual void Refresh() = 0;
  virtual int Count() = 0;
  // The installed printer at index 0 .. Count() - 1; throws PrinterFailure
  // for any other index.
  virtual Printer& Installed(int index) = 0;
  // Valid until the next MakeCurrent or Current: following the default
  // printer may replace it.
  virtual CurrentPrinter& Current() = 0;
  // The installed printer at the index becomes the current printer, with its
  // own default settings.
  virtual void MakeCurrent(int index) = 0;
  // The desktop's default printer; the empty text when there is none.
  virtual QString DefaultName() = 0;
};

// The printers of the desktop's printing service (CUPS on Linux). The current
// printer starts as the desktop's default printer. With no default printer
// there is none until one is made current: its name is empty and reading its
// settings fails.
std::unique_ptr<PrinterSystem> MakeQtPrinterSystem();

}  // namespace velmora
