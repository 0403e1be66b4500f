#pragma once

class QComboBox;
class QLineEdit;
class QString;

// Typing into the window's fields: every field is single-line, and an
// editable selector counts only a pick from its list as a click.
namespace FieldEntry {

// A pasted line break or tab (any control character) shows in the field as
// the blank it is stored as, whether typed, pasted or committed by an input method.
void keepSingleLine(QLineEdit* edit);

// Return in the selector's field runs nothing while its list is closed; in
// the open list it still picks the highlighted item.
void ignoreReturnInField(QComboBox* combo);

// Call with each typed text: QComboBox takes leaving the field with the text
// of an item as a pick of that item, so the current item follows the typed
// text (without signals) and leaves it nothing to pick.
void followTypedText(QComboBox* combo, const QString& text);

} // namespace FieldEntry
