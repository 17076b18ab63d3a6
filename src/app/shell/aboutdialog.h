#pragma once

#include <QDialog>

namespace yardmark {

/// The About box: the program's name and version.
class AboutDialog final : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget *parent = nullptr);
};

} // namespace yardmark
