// The window's Print through the print dialog to a PDF file, read back at 300 dpi (pdftoppm): the
// shield drawn at the printer's resolution, its edges stepping by one printer dot, and the
// surname set on the page as text.

#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>

#include "shell/compose/TextPainter.h"
#include "tests/shell/WindowFixture.h"

namespace esc::test {

namespace {

// A page read back as pdftoppm writes it (binary PPM).
struct PageImage {
    int width = 0, height = 0;
    std::string pixels;
    Rgb At(int x, int y) const {
        const std::size_t i = (static_cast<std::size_t>(y) * width + x) * 3;
        return {uchar(pixels[i]), uchar(pixels[i + 1]), uchar(pixels[i + 2])};
    }
    bool Blue(int x, int y) const {
        const Rgb c = At(x, y);
        return c.b > 160 && c.r < 96 && c.g < 96;
    }
    bool White(int x, int y) const {
        const Rgb c = At(x, y);
        return c.r > 240 && c.g > 240 && c.b > 240;
    }
};

PageImage ReadPpm(const std::string& path) {
    PageImage page;
    std::ifstream in(path, std::ios::binary);
    std::string magic;
    int maxValue = 0;
    in >> magic >> page.width >> page.height >> maxValue;
    in.get();
    page.pixels.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (page.pixels.size() < static_cast<std::size_t>(page.width) * page.height * 3) page.width = page.height = 0;
    return page;
}

std::string Output(const std::string& command) {
    std::string out;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        std::array<char, 256> buffer{};
        while (std::fgets(buffer.data(), buffer.size(), pipe)) out += buffer.data();
        ::pclose(pipe);
    }
    return out;
}

}  // namespace

class PrintWindowTest : public QObject, private WindowFixture {
    Q_OBJECT

private slots:
    void init() { SetUp(); }
    void cleanup() { TearDown(); }

    void thePageIsPrintedAtThePrintersResolution() {
        W().NameBox()->setText("Cole");
        W().Memo()->setPlainText("Or a bend azure");
        C().Memo1Enter();
        Click("DrawBtn");
        const std::string pdf = dir_->path().toStdString() + "/fine.pdf";
        bool shown = false;
        WhenModal<QPrintDialog>([&](QPrintDialog* d) {
            shown = true;
            d->printer()->setOutputFormat(QPrinter::PdfFormat);
            d->printer()->setOutputFileName(QString::fromStdString(pdf));
            if (auto* name = d->findChild<QLineEdit*>("filename")) name->setText(QString::fromStdString(pdf));
            d->accept();
        });
        messages_.messages.clear();
        Click("PrintBtn");
        QVERIFY(shown);
        QVERIFY2(messages_.messages.empty(), messages_.messages.empty() ? "" : messages_.messages[0].c_str());

        const std::string back = dir_->path().toStdString() + "/back";
        QCOMPARE(std::system(("pdftoppm -r 300 '" + pdf + "' '" + back + "'").c_str()), 0);
        const PageImage page = ReadPpm(back + "-1.ppm");
        QVERIFY(page.width > 2000 && page.height > 3000);
        // The shield's outline: its top in the page's middle column, its left in a row a third
        // of the way down the page.
        const int cx = page.width / 2;
        int top = page.height / 20;
        while (top < page.height / 2 && page.White(cx, top)) ++top;
        int left = 0;
        const int row = page.height / 3;
        while (left < cx && page.White(left, row)) ++left;
        QVERIFY(top < page.height / 2 && left < cx);
        const int width = 2 * (cx - left);
        QVERIFY2(width > 1600, qPrintable(QString::number(width)));
        // Along the bend's upper edge, column by column, the row moves by about one dot; the
        // 415-pixel picture stretched over the page would hold each row for four columns and
        // then jump by four times the slope.
        std::vector<int> rows;
        for (int x = left + width * 35 / 100; x < left + width * 70 / 100; ++x) {
            int y = top + 20;
            while (y < page.height && !page.Blue(x, y)) ++y;
            if (y < page.height) rows.push_back(y);
        }
        QVERIFY(rows.size() > 400);
        int held = 0, step = 0;
        for (std::size_t i = 1; i < rows.size(); ++i) {
            held += rows[i] == rows[i - 1];
            step = std::max(step, std::abs(rows[i] - rows[i - 1]));
        }
        QVERIFY2(held < static_cast<int>(rows.size()) / 2, qPrintable(QString::number(held)));
        const double slope = std::abs(rows.back() - rows.front()) / static_cast<double>(rows.size() - 1);
        QVERIFY2(step <= 2 * slope + 1.5, qPrintable(QString::number(step)));

        // The surname is text a PDF reader finds, in an embedded face.
        std::string found = Output("pdftotext '" + pdf + "' -");
        found.erase(std::remove_if(found.begin(), found.end(), [](unsigned char c) { return std::isspace(c) != 0; }),
                    found.end());
        QCOMPARE(QString::fromStdString(found), QString("Cole"));
        const std::string fonts = Output("pdffonts '" + pdf + "'");
        QVERIFY2(fonts.find(" yes ") != std::string::npos, fonts.c_str());
    }
};

QObject* NewPrintWindowTest() { return new PrintWindowTest; }

}  // namespace esc::test

#include "PrintWindowTest.moc"
