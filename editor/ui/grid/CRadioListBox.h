#pragma once

#include <QListWidget>

// A single-choice list whose entries are drawn as radio buttons. While greyed (a profile file is open)
// the entry texts are drawn grey.
class CRadioListBox : public QListWidget {
    Q_OBJECT
public:
    explicit CRadioListBox(QWidget* parent = nullptr);

    void SetGreyed(bool greyed);
    // A transparent list fills its entries with the button face, an opaque one with the window colour.
    void SetTransparent(bool transparent);
    bool IsTransparent() const { return m_transparent; }
    bool IsGreyed() const { return m_greyed; }
    // The colour the entry texts are drawn in.
    QColor TextColour() const;

private:
    bool m_greyed = false;
    bool m_transparent = false;
};
