#include "shell/compose/PdfPages.h"

#include <cairo-pdf.h>
#include <cairo.h>

#include <cstring>

namespace esc::compose {
namespace {

constexpr double kPointsPerInch = 72.0;

cairo_status_t AppendBytes(void* closure, const unsigned char* data, unsigned int length) {
    auto* bytes = static_cast<std::vector<std::uint8_t>*>(closure);
    bytes->insert(bytes->end(), data, data + length);
    return CAIRO_STATUS_SUCCESS;
}

}  // namespace

struct PdfPages::Document {
    cairo_surface_t* surface = nullptr;
    cairo_t* cr = nullptr;
};

PdfPages::PdfPages() : document_(std::make_unique<Document>()) {
    // The first page's size is set when it is added; this one is never shown.
    document_->surface = cairo_pdf_surface_create_for_stream(AppendBytes, &bytes_, kPointsPerInch, kPointsPerInch);
    document_->cr = cairo_create(document_->surface);
    if (cairo_status(document_->cr) != CAIRO_STATUS_SUCCESS) error_ = cairo_status_to_string(cairo_status(document_->cr));
}

PdfPages::~PdfPages() {
    if (document_->cr) cairo_destroy(document_->cr);
    if (document_->surface) cairo_surface_destroy(document_->surface);
}

bool PdfPages::AddPage(const Bitmap& page, double dpi) { return AddPage(page, dpi, {}, nullptr); }

bool PdfPages::AddPage(const Bitmap& page, double dpi, const std::vector<Text>& texts, const TextPainter& painter) {
    return AddPage(page, dpi, texts, &painter);
}

bool PdfPages::AddPage(const Bitmap& page, double dpi, const std::vector<Text>& texts, const TextPainter* painter) {
    if (!error_.empty() || !document_->cr) return false;
    if (page.Empty() || !(dpi > 0)) {
        error_ = "a page must have pixels and a resolution";
        return false;
    }
    const double scale = kPointsPerInch / dpi;
    cairo_pdf_surface_set_size(document_->surface, page.Width() * scale, page.Height() * scale);

    // RGB24 keeps the pixel words as they are (the top byte unused), so the page is copied row
    // by row into cairo's stride.
    cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, page.Width(), page.Height());
    if (cairo_surface_status(image) != CAIRO_STATUS_SUCCESS) {
        error_ = cairo_status_to_string(cairo_surface_status(image));
        cairo_surface_destroy(image);
        return false;
    }
    cairo_surface_flush(image);
    unsigned char* data = cairo_image_surface_get_data(image);
    const int stride = cairo_image_surface_get_stride(image);
    for (int y = 0; y < page.Height(); ++y)
        std::memcpy(data + static_cast<std::size_t>(y) * stride, page.Row(y),
                    static_cast<std::size_t>(page.Width()) * sizeof(std::uint32_t));
    cairo_surface_mark_dirty(image);

    cairo_t* cr = document_->cr;
    cairo_save(cr);
    cairo_scale(cr, scale, scale);
    cairo_set_source_surface(cr, image, 0, 0);
    // Pixels stay pixels: a viewer enlarging the page shows squares, not a blur.
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
    cairo_paint(cr);
    if (painter != nullptr)
        for (const Text& text : texts) (void)painter->PaintGlyphs(cr, text.utf8, text.style, text.box);
    cairo_restore(cr);
    cairo_show_page(cr);
    cairo_surface_destroy(image);
    if (cairo_status(cr) != CAIRO_STATUS_SUCCESS) {
        error_ = cairo_status_to_string(cairo_status(cr));
        return false;
    }
    ++pages_;
    return true;
}

WriteResult PdfPages::Finish(const std::string& path) {
    if (error_.empty() && pages_ == 0) error_ = "the document has no page";
    if (document_->cr) {
        cairo_destroy(document_->cr);
        document_->cr = nullptr;
    }
    if (document_->surface) {
        cairo_surface_finish(document_->surface);
        if (error_.empty() && cairo_surface_status(document_->surface) != CAIRO_STATUS_SUCCESS)
            error_ = cairo_status_to_string(cairo_surface_status(document_->surface));
        cairo_surface_destroy(document_->surface);
        document_->surface = nullptr;
    }
    if (!error_.empty()) return WriteResult{error_};
    return WriteFileAtomically(path, bytes_);
}

}  // namespace esc::compose
