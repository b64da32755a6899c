#pragma once

#include "core/Artikel.h"

#include <QColor>
#include <QDate>
#include <QImage>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace zw {

// The input fields rest in cream; a failed print check paints its field yellow.
inline const QColor CreamColour(255, 251, 240);
inline const QColor YellowColour(255, 255, 0);
inline const QColor WhiteColour(255, 255, 255);
// A barcode or EAN field while the label has none: 13 zeros.
inline const QString ZeroCode = QStringLiteral("0000000000000");

// The state of one control of a label form, held without widgets so that the
// form and the command line drive the same label logic. A form binds a widget
// to a field through `onStateChanged` (redraw from the field) and
// `onFocusRequested`; the command line binds nothing.
//
// Event rule: setting an edit's text or ticking a box from the program runs
// its handler exactly as a user edit does; selecting a combo-box item or
// setting a combo box's text from the program runs nothing.
class LabelField {
public:
    explicit LabelField(QString name) : m_name(std::move(name)) {}
    virtual ~LabelField() = default;
    LabelField(const LabelField&) = delete;
    LabelField& operator=(const LabelField&) = delete;

    const QString& name() const { return m_name; }

    QColor color() const { return m_color; }
    void setColor(const QColor& c);
    bool enabled() const { return m_enabled; }
    void setEnabled(bool e);
    bool visible() const { return m_visible; }
    void setVisible(bool v);
    // Asks the bound widget to take the keyboard focus.
    void setFocus();

    std::function<void()> onStateChanged;
    std::function<void()> onFocusRequested;

protected:
    void notify() const;

private:
    QString m_name;
    QColor m_color = WhiteColour;
    bool m_enabled = true;
    bool m_visible = true;
};

// An edit: setting a different text runs OnChange.
class EditField : public LabelField {
public:
    using LabelField::LabelField;

    const QString& text() const { return m_text; }
    // Runs OnChange when the text differs from the current one.
    void setText(const QString& t);

    // Typing limit of the widget (0: none); the program may set longer texts.
    int maxLength = 0;
    bool readOnly = false;
    std::function<void()> OnChange;

protected:
    // The text as the field stores it (a mask edit formats it by its mask).
    virtual QString normalized(const QString& t) const { return t; }

private:
    QString m_text;
};

// A mask edit. Its text is always the full mask width: literals in place,
// blanks in unfilled positions ("  -  -   -   ").
class MaskEditField : public EditField {
public:
    // `mask` uses "0" for a digit position; every other character is a literal.
    MaskEditField(QString name, QString mask);

    const QString& mask() const { return m_mask; }
    // The same mask in Qt's input-mask notation, blanks as the blank character.
    QString qtInputMask() const;
    // Places `value` into the mask character by character. A digit position
    // takes a digit or a blank; any other character leaves it blank, so nothing
    // after it moves. A literal position takes the value's character only when
    // it is that literal (a value without literals fills the digit positions in
    // order). Missing positions stay blank, extra characters are cut off.
    static QString applyMask(const QString& mask, const QString& value);
    // Whether the mask holds `value` exactly as given.
    static bool holdsExactly(const QString& mask, const QString& value) { return applyMask(mask, value) == value; }
    // Whether every digit position holds a digit (no blank of an unfilled position).
    bool isFilled() const;

protected:
    QString normalized(const QString& t) const override { return applyMask(m_mask, t); }

private:
    QString m_mask;
};

// A memo: lines of text, its line ends kept as CR LF whatever the widget sends.
// As a memo counts them, a line end at the very end starts no further line.
class MemoField : public EditField {
public:
    using EditField::EditField;

    QStringList lines() const;
    // Deletes lines from the last one backwards until `count` remain (the line
    // end of the last one stays); the memo's change handler enforces its line
    // limit with it.
    void keepFirstLines(int count);

protected:
    QString normalized(const QString& t) const override;
};

// A check box: ticking or unticking from the program runs OnClick.
class CheckField : public LabelField {
public:
    using LabelField::LabelField;
    bool checked() const { return m_checked; }
    void setChecked(bool c);
    std::function<void()> OnClick;

private:
    bool m_checked = false;
};

// A radio button: ticking unticks the others of its group and runs OnClick;
// unticking runs nothing.
class RadioField : public LabelField {
public:
    using LabelField::LabelField;
    bool checked() const { return m_checked; }
    void setChecked(bool c);
    // The radio buttons sharing this one's group box.
    std::vector<RadioField*> group;
    std::function<void()> OnClick;

private:
    bool m_checked = false;
};

// Makes `buttons` one group: ticking one unticks the others.
void makeRadioGroup(const std::vector<RadioField*>& buttons);

// A combo box with an edit field. Nothing the program does to it runs OnChange;
// `userTyped` and `userChose` are the user's acts and run it.
class ComboField : public LabelField {
public:
    using LabelField::LabelField;

    const QStringList& items() const { return m_items; }
    int itemIndex() const { return m_index; }
    const QString& text() const { return m_text; }

    // Bumped whenever the items change, so a bound widget reloads them only then.
    int itemsRevision() const { return m_revision; }

    // Replaces the items; no selection, empty text.
    void setItems(const QStringList& items);
    void setItemIndex(int index); // -1: no selection, empty text
    void setText(const QString& t);
    void clear() { setItems({}); }
    // Fuelle_Materialnummer into this box, with one redraw for the whole list.
    void fillMaterialNumbers(const TArtikelListe& list);

    // The user's edits of the text. Typing runs OnChange; deleting (Backspace,
    // Delete, cutting) runs it only when an item's text remains, so a
    // completion the handler made is not put straight back.
    void userTyped(const QString& t);
    void userDeleted(const QString& t);
    void userChose(int index);

    int maxLength = 0; // typing limit only
    std::function<void()> OnChange;

private:
    QStringList m_items;
    int m_index = -1;
    QString m_text;
    int m_revision = 0;
};

class DateField : public LabelField {
public:
    using LabelField::LabelField;
    QDate date() const { return m_date; }
    void setDate(const QDate& d);

private:
    QDate m_date;
};

class PictureField : public LabelField {
public:
    using LabelField::LabelField;
    const QImage& picture() const { return m_picture; }
    void setPicture(const QImage& img);

private:
    QImage m_picture;
};

class CaptionField : public LabelField {
public:
    using LabelField::LabelField;
    const QString& caption() const { return m_caption; }
    void setCaption(const QString& c);

private:
    QString m_caption;
};

} // namespace zw
