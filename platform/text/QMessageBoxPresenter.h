#pragma once
#include <QPointer>
#include <QWidget>

#include "IMessagePresenter.h"

// Shows message boxes with QMessageBox: buttons, icon and default button follow the MB_* bits.
class QMessageBoxPresenter : public IMessagePresenter {
public:
    explicit QMessageBoxPresenter(QWidget* parent = nullptr) : parent_(parent) {}

    int ShowMessage(const QString& text, const QString& caption, unsigned style) override;

private:
    QPointer<QWidget> parent_;
};
