#pragma once

#include <QComboBox>

// An editable selector of the window. It takes what is typed as it is (no
// completion, no items added on Return, single-line), only a pick from its
// list counts as a click, and a screen reader hears its accessible name,
// with the text as its value (Qt's own combo box would say the text twice).
class SelectorBox : public QComboBox
{
    Q_OBJECT

public:
    explicit SelectorBox(QWidget* parent = nullptr);

    // The application's style with the boxes' arrows shrunk below the design
    // size: one style for every box, so none is restyled (and its list built)
    // when it is made.
    static QStyle* styleOver(QStyle* base);

    void showPopup() override;

    // Makes every selector, and every other combo box given an accessible
    // name, tell a screen reader that name and its text as the value. Once
    // is enough; a selector's constructor does it.
    static void installAccessibility();
};
