#include "DialogFields.h"

#include <QLineEdit>

namespace DialogFields {

QLineEdit* NewEdit(QWidget* parent, int id, int maxLength) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::number(id));
    edit->setMaxLength(maxLength);
    return edit;
}

void FocusAndSelect(QLineEdit* edit) {
    if (edit == nullptr) return;
    edit->setFocus();
    edit->selectAll();
}

}  // namespace DialogFields
