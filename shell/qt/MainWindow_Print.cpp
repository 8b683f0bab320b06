// The save dialog and the printer: the window's side of saving and printing. The pictures and
// the page are composed by the controller without Qt; here they are shown and sent on.

#include <cmath>

#include <QColor>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "shell/qt/Fonts.h"
#include "shell/qt/MainWindow.h"
#include "shell/qt/QtBitmap.h"
#include "shell/qt/SaveDialog.h"

namespace esc::qt {
namespace {

// Pages are composed at this resolution whatever the printer offers: A4 is then 2480 by 3508
// pixels, and the name at 28 points is 117 pixels high.
constexpr int kComposeDpi = 300;

}  // namespace

void MainWindow::ShowSaveDialog(app::SavePictureDialog& dialog) {
    if (!saveDialog_) saveDialog_ = new SaveDialog(this);
    saveDialog_->Run(dialog);
}

std::optional<app::PrinterPage> MainWindow::ChoosePrinter() {
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer_->setResolution(kComposeDpi);
    QPrintDialog dialog(printer_.get(), this);
    dialog.setObjectName("PrintDialog");
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return PrinterPageOf(*printer_);
}

app::PrinterPage MainWindow::PrinterPageOf(QPrinter& printer) {
    const QRect area = printer.pageLayout().paintRectPixels(printer.resolution());
    return {area.width(), area.height(), static_cast<double>(printer.resolution())};
}

std::string MainWindow::PrintPage(const compose::PrintedPage& page) {
    if (!printer_) return "no printer was chosen";
    return PrintComposedPage(*printer_, page);
}

std::string MainWindow::PrintComposedPage(QPrinter& printer, const compose::PrintedPage& page) {
    QPainter painter;
    if (!painter.begin(&printer)) return "the printer could not start the job";
    // The page fills the printable area; composed at the printer's resolution it lands pixel
    // for pixel.
    const QRect area = printer.pageLayout().paintRectPixels(printer.resolution());
    painter.drawImage(QRect(0, 0, area.width(), area.height()), ToQImage(page.page));
    if (!page.nameText.empty()) {
        // The surname is set as text where the page's composer placed it, its baseline an ascent
        // below the top of its line, so the printer draws its letters at its own resolution.
        QFont font = BlackletterFont(static_cast<int>(std::lround(page.nameStyle.pixelSize)));
        painter.setFont(font);
        const Rgb c = page.nameStyle.colour;
        painter.setPen(QColor(c.r, c.g, c.b));
        painter.drawText(QPointF(page.name.drawn.left, page.name.drawn.top + page.name.extent.ascent),
                         QString::fromStdString(page.nameText));
    }
    if (!painter.end()) return "the printer could not finish the job";
    return {};
}

}  // namespace esc::qt
