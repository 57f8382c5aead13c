#pragma once
#include <QString>

class QLineEdit;
class QWidget;

// Small helpers for the dialogs' fields.
namespace DialogFields {

QLineEdit* NewEdit(QWidget* parent, int id, int maxLength);
// Focus to the field with its text selected, as after a refused entry.
void FocusAndSelect(QLineEdit* edit);

}  // namespace DialogFields
