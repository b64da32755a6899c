#include "labels/LabelFields.h"

#include "base/TextFile.h"

namespace zw {

void LabelField::setColor(const QColor& c) {
    if (m_color == c)
        return;
    m_color = c;
    notify();
}

void LabelField::setEnabled(bool e) {
    if (m_enabled == e)
        return;
    m_enabled = e;
    notify();
}

void LabelField::setVisible(bool v) {
    if (m_visible == v)
        return;
    m_visible = v;
    notify();
}

void LabelField::setFocus() {
    if (onFocusRequested)
        onFocusRequested();
}

void LabelField::notify() const {
    if (onStateChanged)
        onStateChanged();
}

void EditField::setText(const QString& t) {
    const QString value = normalized(t);
    if (value == m_text)
        return;
    m_text = value;
    notify();
    if (OnChange)
        OnChange();
}

MaskEditField::MaskEditField(QString name, QString mask) : EditField(std::move(name)), m_mask(std::move(mask)) {
    setText(QString());
}

QString MaskEditField::qtInputMask() const {
    // Qt's "0" is an optional digit, which also accepts the blank of an unfilled position.
    QString out;
    for (QChar c : m_mask) {
        if (c != QLatin1Char('0') && QStringLiteral("AaNnXx9D#HhBb><!\\[]{}").contains(c))
            out += QLatin1Char('\\');
        out += c;
    }
    return out + QStringLiteral("; ");
}

namespace {
bool isMaskDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}
} // namespace

QString MaskEditField::applyMask(const QString& mask, const QString& value) {
    QString out;
    out.reserve(mask.size());
    qsizetype pos = 0;
    for (QChar m : mask) {
        if (m != QLatin1Char('0')) {
            out += m;
            if (pos < value.size() && value.at(pos) == m)
                ++pos;
            continue;
        }
        const QChar c = pos < value.size() ? value.at(pos++) : QLatin1Char(' ');
        out += isMaskDigit(c) ? c : QLatin1Char(' ');
    }
    return out;
}

bool MaskEditField::isFilled() const {
    for (qsizetype i = 0; i < m_mask.size(); ++i)
        if (m_mask.at(i) == QLatin1Char('0') && !isMaskDigit(text().at(i)))
            return false;
    return true;
}

QStringList MemoField::lines() const {
    return splitLines(text());
}

void MemoField::keepFirstLines(int count) {
    if (lines().size() <= count)
        return;
    // Cut where the first surplus line begins: its line end before it stays, so
    // the caret waits on an empty line that counts for nothing, as in a memo.
    qsizetype cut = 0;
    for (int i = 0; i < count; ++i)
        cut = text().indexOf(QLatin1String("\r\n"), cut) + 2;
    setText(text().left(cut));
}

QString MemoField::normalized(const QString& t) const {
    QString out = t;
    out.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return out.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

void CheckField::setChecked(bool c) {
    if (m_checked == c)
        return;
    m_checked = c;
    notify();
    if (OnClick)
        OnClick();
}

void RadioField::setChecked(bool c) {
    if (m_checked == c)
        return;
    m_checked = c;
    notify();
    if (!c)
        return;
    for (RadioField* other : group) {
        if (other != this && other->m_checked) {
            other->m_checked = false;
            other->notify();
        }
    }
    if (OnClick)
        OnClick();
}

void makeRadioGroup(const std::vector<RadioField*>& buttons) {
    for (RadioField* b : buttons)
        b->group = buttons;
}

void ComboField::setItems(const QStringList& items) {
    m_items = items;
    m_index = -1;
    m_text.clear();
    ++m_revision;
    notify();
}

void ComboField::fillMaterialNumbers(const TArtikelListe& list) {
    struct Collector : MaterialNumberList {
        QStringList items;
        void clearAll() override { items.clear(); }
        void addItem(const QString& text) override { items.append(text); }
    } collector;
    list.Fuelle_Materialnummer(collector);
    setItems(collector.items);
}

void ComboField::setItemIndex(int index) {
    if (index < 0 || index >= m_items.size()) {
        m_index = -1;
        m_text.clear();
    } else {
        m_index = index;
        m_text = m_items.at(index);
    }
    notify();
}

void ComboField::setText(const QString& t) {
    m_text = t;
    m_index = int(m_items.indexOf(t));
    notify();
}

void ComboField::userTyped(const QString& t) {
    m_text = t;
    m_index = -1;
    notify();
    if (OnChange)
        OnChange();
}

void ComboField::userDeleted(const QString& t) {
    m_text = t;
    m_index = -1;
    notify();
    // What is left of an item's text names it as typing it would.
    if (OnChange && m_items.contains(t))
        OnChange();
}

void ComboField::userChose(int index) {
    setItemIndex(index);
    if (OnChange)
        OnChange();
}

void DateField::setDate(const QDate& d) {
    if (m_date == d)
        return;
    m_date = d;
    notify();
}

void PictureField::setPicture(const QImage& img) {
    m_picture = img;
    notify();
}

void CaptionField::setCaption(const QString& c) {
    if (m_caption == c)
        return;
    m_caption = c;
    notify();
}

} // namespace zw
