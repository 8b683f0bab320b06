#pragma once
// The small secondary forms: the timer dialog, the import confirmation, the about box, the
// readme viewer, the help viewer and the picture viewer. Each is shown modally by a handler of
// the main window (the help viewer stays open beside it) and keeps its state for the run.

#include <QDialog>
#include <string>

#include "engine/Bitmap.h"

class QLabel;
class QSpinBox;
class QTextBrowser;

namespace esc::qt {

class SetTimerForm final : public QDialog {
public:
    explicit SetTimerForm(QWidget* parent);
    QSpinBox* SpinEdit1() const { return spin_; }

private:
    QSpinBox* spin_;
};

class ImportDialog final : public QDialog {
public:
    explicit ImportDialog(QWidget* parent);
};

class AboutBox final : public QDialog {
public:
    AboutBox(QWidget* parent, const std::string& dataDir);
};

class ReadmeForm final : public QDialog {
public:
    explicit ReadmeForm(QWidget* parent);
    void SetHtml(const std::string& html);
    QTextBrowser* Text() const { return text_; }

private:
    void PrintForm();
    QTextBrowser* text_;
};

class HelpViewer final : public QDialog {
public:
    explicit HelpViewer(QWidget* parent);
    void Open(const std::string& path);
    QTextBrowser* Text() const { return text_; }

private:
    QTextBrowser* text_;
};

class ViewForm final : public QDialog {
public:
    explicit ViewForm(QWidget* parent);
    void SetPicture(const Bitmap& picture, const std::string& caption);

private:
    QLabel* image_;
};

}  // namespace esc::qt
