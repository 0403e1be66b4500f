#pragma once

#include <QDialog>

// "Zeltanバージョン情報": the product, its version and the maker. OK, any key or
// the close box closes it.
class VersionDialog : public QDialog
{
    Q_OBJECT

public:
    explicit VersionDialog(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};
