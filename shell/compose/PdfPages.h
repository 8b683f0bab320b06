#pragma once
// A PDF file of whole-page pictures: each page is one RGB bitmap shown at a given resolution, so
// a page composed at 300 dpi prints at its size on paper. The file is built in memory and
// written at Finish to a temporary file in the target's folder, then renamed over the target:
// an unfinished or failed document leaves no file behind.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/AtomicFile.h"
#include "engine/Bitmap.h"
#include "shell/compose/TextPainter.h"

namespace esc::compose {

// A4 at 300 dpi: 210 by 297 millimetres.
inline constexpr double kA4WidthMm = 210.0, kA4HeightMm = 297.0;
inline constexpr double kPrintDpi = 300.0;
inline constexpr double kMmPerInch = 25.4;
constexpr int MmToPixels(double mm, double dpi) { return static_cast<int>(mm * dpi / kMmPerInch + 0.5); }

class PdfPages {
public:
    // Pages are added one by one; nothing is written until Finish.
    PdfPages();
    ~PdfPages();
    PdfPages(const PdfPages&) = delete;
    PdfPages& operator=(const PdfPages&) = delete;

    // Adds `page` as one page of `page.Width() * 72 / dpi` by `page.Height() * 72 / dpi` points,
    // the picture covering it. False (and the document failed) when cairo refuses it.
    [[nodiscard]] bool AddPage(const Bitmap& page, double dpi);
    // The same with lines of text set over the picture as text (in the page's pixels), so that
    // they print at the printer's resolution and can be searched and copied.
    struct Text {
        std::string utf8;
        TextStyle style;
        Rect box;
    };
    [[nodiscard]] bool AddPage(const Bitmap& page, double dpi, const std::vector<Text>& texts, const TextPainter& painter);
    int PageCount() const { return pages_; }

    // Closes the document and writes it to `path`. A document with no page, or one that failed,
    // is not written.
    WriteResult Finish(const std::string& path);

private:
    bool AddPage(const Bitmap& page, double dpi, const std::vector<Text>& texts, const TextPainter* painter);

    struct Document;
    std::unique_ptr<Document> document_;
    std::vector<std::uint8_t> bytes_;
    int pages_ = 0;
    std::string error_;
};

}  // namespace esc::compose
