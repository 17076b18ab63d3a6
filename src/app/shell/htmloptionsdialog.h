#pragma once

#include "reports/htmloptionsform.h"

#include <QDialog>

class QComboBox;
class QFrame;
class QSpinBox;

namespace yardmark {

class UserInterface;

/// "Select HTML Options": the colours, font face and font sizes of HTML
/// exports. Works on a copy; "&OK" stores it into the options it was opened on.
class HtmlOptionsDialog final : public QDialog {
    Q_OBJECT

public:
    HtmlOptionsDialog(HtmlOptions &options, UserInterface &ui, const std::vector<std::string> &installedFonts,
                      QWidget *parent = nullptr);

    const HtmlOptionsForm &form() const { return m_form; }

private:
    void showSelectedColor();
    void changeColor();
    void resetColors();
    void ok();

    HtmlOptions &m_options;
    UserInterface &m_ui;
    HtmlOptionsForm m_form;
    QComboBox *m_colors = nullptr;
    QFrame *m_swatch = nullptr;
    QComboBox *m_face = nullptr;
    QSpinBox *m_bodySize = nullptr;
    QSpinBox *m_headerSize = nullptr;
};

/// The installed screen fonts, as the face list offers them.
std::vector<std::string> installedFontFaces();

} // namespace yardmark
