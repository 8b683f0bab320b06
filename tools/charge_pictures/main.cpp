// charge_pictures: renders the charge drawings (SVG) into the painter's GIF pictures.
//
//   charge_pictures OUTDIR SOURCE.svg...     one picture per name (see data/charges/DRAWING.md)
//   charge_pictures --fill OUTDIR SOURCE.svg...   the same, each drawing resized so that its
//                                            silhouette fills the painter's box (FillBox.h)
//   charge_pictures [--fill] --proper TABLE OUTDIR SOURCE.svg...   the proper colours of every
//                                            drawing from one table (ProperTable.h)
//   charge_pictures --bmp OUT.bmp SOURCE.svg a 24-bit bitmap of any drawing, white behind it
//   charge_pictures --png OUT.png SIZE SOURCE.svg   the drawing scaled to SIZE x SIZE pixels with
//                                            its transparency (the desktop icons)
//
// Every source is checked and every fault reported; the exit status is 1 if any source was
// refused. OUTDIR/.charge_pictures lists the pictures of the last complete run, so that a
// picture whose drawing was renamed or removed does not linger in OUTDIR.

#include "BmpWriter.h"
#include "ChargeSource.h"
#include "ColourMapping.h"
#include "DrawingChecks.h"
#include "FillBox.h"
#include "GifWriter.h"
#include "ProperTable.h"
#include "SvgRender.h"
#include "engine/PictureRoom.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace charge_pictures;

namespace {

constexpr const char* kManifestName = ".charge_pictures";

bool ReadText(const fs::path& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    text = buffer.str();
    return true;
}

bool WriteBytes(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out.flush());
}

std::string HexColour(std::uint32_t rgb) {
    char text[8];
    std::snprintf(text, sizeof text, "#%06x", static_cast<unsigned>(rgb & 0xFFFFFF));
    return text;
}

std::string DescribeForbiddenColours(const IndexedPicture& picture) {
    std::string text = "colours other than #000000, #ffffff, #ff0000, #0000ff and transparency: ";
    const std::size_t shown = std::min<std::size_t>(picture.strays.size(), 3);
    for (std::size_t i = 0; i < shown; ++i) {
        const StrayColour& stray = picture.strays[i];
        if (i > 0) text += "; ";
        text += HexColour(stray.rgb) + " covers " + std::to_string(stray.pixels) + " pixel" +
                (stray.pixels == 1 ? "" : "s") + " (first at x " + std::to_string(stray.firstX) + ", y " +
                std::to_string(stray.firstY) + ")";
    }
    if (picture.strays.size() > shown) text += "; and " + std::to_string(picture.strays.size() - shown) + " more";
    return text;
}

// Makes the picture bytes of one source, or says why not. Every drawing passes the same checks
// (DrawingChecks.h): a clean rendering at its own size and at kLargeRenderScale times it, and
// with --fill (the build's way) one outline colour all round and a silhouette that fills its box.
// `placed` receives where the drawing lies in the picture made, so that the painter can render
// the drawing again at a larger size over exactly the same picture.
Checked<std::vector<std::uint8_t>> MakePicture(const fs::path& source, const ChargeSource& description, bool fill,
                                               Fitting& placed) {
    Checked<std::vector<std::uint8_t>> result;
    Checked<SvgDrawing> drawing = SvgDrawing::Load(source.string());
    if (!drawing.ok()) {
        result.error = drawing.error;
        return result;
    }
    const NaturalSize size = drawing.value.Size();
    if (static_cast<long>(size.width) * size.height > kMaxPicturePixels) {
        result.error = "the natural size " + std::to_string(size.width) + " x " + std::to_string(size.height) + " has " +
                       std::to_string(static_cast<long>(size.width) * size.height) + " pixels, more than " +
                       std::to_string(kMaxPicturePixels);
        return result;
    }
    const Checked<Argb32Image> image = drawing.value.Render();
    if (!image.ok()) {
        result.error = image.error;
        return result;
    }
    IndexedPicture picture = MapToIndices(image.value);
    if (HasForbiddenColours(picture)) {
        result.error = DescribeForbiddenColours(picture);
        return result;
    }
    {
        constexpr int k = kLargeRenderScale;
        const Checked<Argb32Image> large = drawing.value.Render(size.width * k, size.height * k, k, 0, 0);
        if (!large.ok()) {
            result.error = "at " + std::to_string(k) + " times its size: " + large.error;
            return result;
        }
        if (const IndexedPicture mapped = MapToIndices(large.value); HasForbiddenColours(mapped, k)) {
            result.error = "at " + std::to_string(k) + " times its size: " + DescribeForbiddenColours(mapped);
            return result;
        }
    }
    placed = {size.width, size.height, 1, 0, 0};
    if (fill) {
        const Fitting fit = FitSilhouette(SilhouetteBox(picture), size.width, size.height, kMaxPicturePixels);
        const Checked<Argb32Image> filled =
            drawing.value.Render(fit.width + 2 * kRenderSlack, fit.height + 2 * kRenderSlack, fit.scale,
                                 fit.offsetX + kRenderSlack, fit.offsetY + kRenderSlack);
        if (!filled.ok()) {
            result.error = filled.error;
            return result;
        }
        picture = MapToIndices(filled.value);
        if (HasForbiddenColours(picture)) {
            result.error = "resized to fill its box: " + DescribeForbiddenColours(picture);
            return result;
        }
        const PixelBox box = SilhouetteBox(picture);
        picture = CropToSilhouette(picture, kPictureMargin);
        placed = {picture.width, picture.height, fit.scale, fit.offsetX + kRenderSlack, fit.offsetY + kRenderSlack};
        if (!box.Empty()) {
            placed.offsetX -= box.left - kPictureMargin;
            placed.offsetY -= box.top - kPictureMargin;
        }
        if (static_cast<long>(picture.width) * picture.height > kMaxPicturePixels) {
            result.error = "resized to fill its box, the picture has more than " + std::to_string(kMaxPicturePixels) +
                           " pixels";
            return result;
        }
        if (std::string fault = OutlineFault(picture); !fault.empty()) {
            result.error = fault;
            return result;
        }
        if (std::string fault = FillFault(picture); !fault.empty()) {
            result.error = fault;
            return result;
        }
    }
    // The room, where the drawing lies in the picture made, in thousandths of its size.
    std::string roomComment;
    if (description.room) {
        const auto share = [](double v, int of) {
            return std::clamp(static_cast<int>(std::lround(v * esc::kPictureRoomUnits / of)), 0, esc::kPictureRoomUnits);
        };
        const DrawingRoom& r = *description.room;
        roomComment = esc::FormatPictureRoom({share(placed.offsetX + placed.scale * r.x, picture.width),
                                              share(placed.offsetY + placed.scale * r.y, picture.height),
                                              share(placed.scale * r.radius, picture.width)});
    }
    return EncodeGif(description.header, picture.width, picture.height, picture.indices, roomComment);
}

std::set<std::string> ReadManifest(const fs::path& path) {
    std::set<std::string> names;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty()) names.insert(line);
    }
    return names;
}

// With a proper table (ProperTable.h) every drawing's proper colours come from it: a drawing
// that sets data-o1, data-o2 or data-o3 itself is refused, and so is a table line that names no
// drawing given.
//
// With a drawings folder, each picture's drawing is copied there as NAME.svg beside NAME.fit, one
// line "scale offsetX offsetY width height": a pixel (x, y) of the drawing lands at
// (offsetX + scale x, offsetY + scale y) of the width x height picture. The painter renders the
// drawing from these when it paints the charge larger than its picture.
int MakePictures(const fs::path& outDir, const std::vector<fs::path>& sources, bool fill, const ProperTable* proper,
                 const std::optional<fs::path>& drawingsDir) {
    std::error_code error;
    fs::create_directories(outDir, error);
    if (!error && drawingsDir) fs::create_directories(*drawingsDir, error);
    if (error) {
        std::cerr << "charge_pictures: cannot make " << outDir.string() << ": " << error.message() << '\n';
        return 1;
    }
    const fs::path manifest = outDir / kManifestName;
    const std::set<std::string> previous = ReadManifest(manifest);
    fs::remove(manifest, error);

    std::map<std::string, fs::path> made;  // picture file name -> its source
    std::set<std::string> coloured;        // drawings the proper table coloured
    int refused = 0;
    for (const fs::path& source : sources) {
        auto refuse = [&](const std::string& why) {
            std::cerr << source.string() << ": refused: " << why << '\n';
            ++refused;
        };
        std::string text;
        if (!ReadText(source, text)) {
            refuse("cannot open the file");
            continue;
        }
        const Checked<ChargeSource> description = DescribeChargeSource(source.filename().string(), text);
        if (!description.ok()) {
            refuse(description.error);
            continue;
        }
        ChargeSource chargeSource = description.value;
        if (proper != nullptr) {
            const PictureHeader& own = chargeSource.header;
            if (own.o1 != 0 || own.o2 != 0 || own.o3 != 0) {
                refuse("sets data-o1, data-o2 or data-o3: proper colours come from the proper table");
                continue;
            }
            const std::string drawing = source.stem().string();
            if (const auto row = proper->find(drawing); row != proper->end()) {
                chargeSource.header.o1 = row->second.o1;
                chargeSource.header.o2 = row->second.o2;
                chargeSource.header.o3 = row->second.o3;
                coloured.insert(drawing);
            }
        }
        std::string clash;
        for (const std::string& name : chargeSource.fileNames) {
            if (const auto other = made.find(name); other != made.end()) {
                clash = "the picture " + name + " is already made from " + other->second.string();
                break;
            }
        }
        if (!clash.empty()) {
            refuse(clash);
            continue;
        }
        Fitting placed;
        const Checked<std::vector<std::uint8_t>> bytes = MakePicture(source, chargeSource, fill, placed);
        if (!bytes.ok()) {
            refuse(bytes.error);
            continue;
        }
        std::vector<std::uint8_t> drawingBytes, fitBytes;
        if (drawingsDir) {
            drawingBytes.assign(text.begin(), text.end());
            char line[160];
            std::snprintf(line, sizeof line, "%.17g %.17g %.17g %d %d\n", placed.scale, placed.offsetX, placed.offsetY,
                          placed.width, placed.height);
            fitBytes.assign(line, line + std::strlen(line));
        }
        for (const std::string& name : chargeSource.fileNames) {
            if (!WriteBytes(outDir / name, bytes.value)) {
                refuse("cannot write " + (outDir / name).string());
                break;
            }
            if (drawingsDir && (!WriteBytes(*drawingsDir / (name + ".svg"), drawingBytes) ||
                                !WriteBytes(*drawingsDir / (name + ".fit"), fitBytes))) {
                refuse("cannot write its drawing into " + drawingsDir->string());
                break;
            }
            made[name] = source;
        }
    }

    if (proper != nullptr) {
        for (const auto& [drawing, colours] : *proper) {
            if (coloured.contains(drawing)) continue;
            std::cerr << "charge_pictures: the proper table names " << drawing << ", which is no drawing given\n";
            ++refused;
        }
    }
    for (const std::string& name : previous) {
        if (!made.contains(name) && name.find('/') == std::string::npos) fs::remove(outDir / name, error);
    }
    if (refused > 0) {
        std::cerr << "charge_pictures: " << refused << " of " << sources.size() << " drawing"
                  << (sources.size() == 1 ? "" : "s") << " refused (see data/charges/DRAWING.md)\n";
        return 1;
    }
    std::ofstream list(manifest);
    for (const auto& [name, source] : made) list << name << '\n';
    if (!list.flush()) {
        std::cerr << "charge_pictures: cannot write " << manifest.string() << '\n';
        return 1;
    }
    return 0;
}

int MakeBitmap(const fs::path& out, const fs::path& source) {
    Checked<SvgDrawing> drawing = SvgDrawing::Load(source.string());
    Checked<Argb32Image> image;
    if (drawing.ok()) image = drawing.value.Render();
    const std::string& why = !drawing.ok() ? drawing.error : image.error;
    if (!why.empty()) {
        std::cerr << source.string() << ": refused: " << why << '\n';
        return 1;
    }
    if (!WriteBytes(out, EncodeBmpOverWhite(image.value))) {
        std::cerr << "charge_pictures: cannot write " << out.string() << '\n';
        return 1;
    }
    return 0;
}

constexpr int kMaxIconSide = 1024;

// The square picture is written beside OUT and renamed over it, so that an interrupted build
// never leaves half an icon to be installed.
int MakeIcon(const fs::path& out, const std::string& sizeText, const fs::path& source) {
    const int side = std::atoi(sizeText.c_str());
    if (side < 1 || side > kMaxIconSide) {
        std::cerr << "charge_pictures: icon size must be 1 to " << kMaxIconSide << ", not " << sizeText << '\n';
        return 2;
    }
    Checked<SvgDrawing> drawing = SvgDrawing::Load(source.string());
    Checked<Argb32Image> image;
    if (drawing.ok()) {
        const NaturalSize natural = drawing.value.Size();
        const double scale = static_cast<double>(side) / std::max(natural.width, natural.height);
        image = drawing.value.Render(side, side, scale, (side - natural.width * scale) / 2,
                                     (side - natural.height * scale) / 2);
    }
    const std::string& why = !drawing.ok() ? drawing.error : image.error;
    if (!why.empty()) {
        std::cerr << source.string() << ": refused: " << why << '\n';
        return 1;
    }
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, side, side);
    cairo_surface_flush(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < side; ++y) {
        std::memcpy(data + static_cast<std::ptrdiff_t>(y) * stride, &image.value.pixels[static_cast<std::size_t>(y) * side],
                    static_cast<std::size_t>(side) * 4);
    }
    cairo_surface_mark_dirty(surface);
    const fs::path temporary = out.string() + ".tmp";
    const bool written = cairo_surface_write_to_png(surface, temporary.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    std::error_code error;
    if (written) fs::rename(temporary, out, error);
    if (!written || error) {
        fs::remove(temporary, error);
        std::cerr << "charge_pictures: cannot write " << out.string() << '\n';
        return 1;
    }
    return 0;
}

void PrintUsage() {
    std::cerr << "usage: charge_pictures [--fill] [--proper TABLE] [--drawings DIR] OUTDIR SOURCE.svg...\n"
                 "       charge_pictures --bmp OUT.bmp SOURCE.svg\n"
                 "       charge_pictures --png OUT.png SIZE SOURCE.svg\n";
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty() && args[0] == "--bmp") {
        if (args.size() != 3) {
            PrintUsage();
            return 2;
        }
        return MakeBitmap(args[1], args[2]);
    }
    if (!args.empty() && args[0] == "--png") {
        if (args.size() != 4) {
            PrintUsage();
            return 2;
        }
        return MakeIcon(args[1], args[2], args[3]);
    }
    std::size_t first = 0;
    const bool fill = args.size() > first && args[first] == "--fill";
    if (fill) ++first;
    std::optional<ProperTable> proper;
    if (args.size() > first && args[first] == "--proper") {
        if (args.size() < first + 2) {
            PrintUsage();
            return 2;
        }
        std::string text;
        if (!ReadText(args[first + 1], text)) {
            std::cerr << "charge_pictures: cannot read the proper table " << args[first + 1] << '\n';
            return 1;
        }
        Checked<ProperTable> table = ParseProperTable(text);
        if (!table.ok()) {
            std::cerr << args[first + 1] << ": " << table.error << '\n';
            return 1;
        }
        proper = std::move(table.value);
        first += 2;
    }
    std::optional<fs::path> drawingsDir;
    if (args.size() > first + 1 && args[first] == "--drawings") {
        drawingsDir = args[first + 1];
        first += 2;
    }
    if (args.size() < first + 2) {
        PrintUsage();
        return 2;
    }
    return MakePictures(args[first], std::vector<fs::path>(args.begin() + static_cast<std::ptrdiff_t>(first) + 1, args.end()),
                        fill, proper ? &*proper : nullptr, drawingsDir);
}
