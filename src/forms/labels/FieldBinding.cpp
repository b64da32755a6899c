#include "forms/labels/FieldBinding.h"

#include "labels/GeneralError.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>
#include <QStringListModel>
#include <QValidator>

#include <memory>
#include <utility>

namespace zw {

namespace {

// The typing limit of an edit. Unlike QLineEdit::setMaxLength it never cuts a
// text the program sets, and the user may still shorten a longer text.
class TypingLimit : public QValidator {
public:
    TypingLimit(QLineEdit* edit, int limit) : QValidator(edit), m_limit(limit), m_previous(edit->text()) {
        connect(edit, &QLineEdit::textChanged, this, [this](const QString& t) { m_previous = t; });
    }
    State validate(QString& input, int&) const override {
        return input.size() > m_limit && input.size() > m_previous.size() ? Invalid : Acceptable;
    }

private:
    int m_limit;
    QString m_previous;
};

// Remembers whether the key being handled by an edit only deletes (Backspace,
// Delete, cutting): the edit it makes must not be completed again.
class DeletionKeys : public QObject {
public:
    using QObject::QObject;
    bool deleting = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            deleting = key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete ||
                       key->matches(QKeySequence::Cut) || key->matches(QKeySequence::DeleteStartOfWord) ||
                       key->matches(QKeySequence::DeleteEndOfWord) || key->matches(QKeySequence::DeleteEndOfLine);
        }
        return QObject::eventFilter(watched, event);
    }
};

// Set while a widget is being redrawn from its field, so the widget's own
// signals do not run the field's handler a second time.
struct SyncState {
    bool syncing = false;
};

class SyncScope {
public:
    explicit SyncScope(SyncState& s) : m_state(s), m_was(s.syncing) { s.syncing = true; }
    ~SyncScope() { m_state.syncing = m_was; }

private:
    SyncState& m_state;
    bool m_was;
};

void applyCommon(QWidget* w, const LabelField& f, bool colours) {
    w->setEnabled(f.enabled());
    w->setHidden(!f.visible());
    if (colours) {
        QPalette p = w->palette();
        if (p.color(QPalette::Base) != f.color()) {
            p.setColor(QPalette::Base, f.color());
            w->setPalette(p);
        }
    }
}

// Makes the field redraw `w` through `redraw`, with the widget's own signals
// ignored meanwhile, and take the focus into it; draws it once. The returned
// state tells the widget's signal handlers whether a redraw is under way.
template <class Widget, class Field, class Redraw>
std::shared_ptr<SyncState> attach(Widget* w, Field& f, Redraw redraw) {
    auto state = std::make_shared<SyncState>();
    QPointer<Widget> guard(w);
    f.onStateChanged = [guard, &f, state, redraw] {
        if (!guard)
            return;
        SyncScope scope(*state);
        redraw(guard.data(), f);
    };
    f.onFocusRequested = [guard] {
        if (guard)
            guard->setFocus(Qt::OtherFocusReason);
    };
    f.onStateChanged();
    return state;
}

} // namespace

void bindField(QLineEdit* w, EditField& f) {
    const auto* masked = dynamic_cast<const MaskEditField*>(&f);
    if (masked)
        w->setInputMask(masked->qtInputMask());
    else if (f.maxLength > 0)
        w->setValidator(new TypingLimit(w, f.maxLength));
    w->setReadOnly(f.readOnly);
    auto state = attach(w, f, [masked](QLineEdit* w, EditField& f) {
        const QString shown = masked ? w->displayText() : w->text();
        if (shown != f.text())
            w->setText(f.text());
        applyCommon(w, f, true);
    });
    QObject::connect(w, &QLineEdit::textChanged, w, [w, &f, state, masked](const QString& t) {
        // A report that a handler has overtaken no longer matches the widget.
        if (state->syncing || t != w->text())
            return;
        const QString text = masked ? w->displayText() : t;
        runHandler([&] { f.setText(text); });
    });
}

void bindField(QPlainTextEdit* w, MemoField& f) {
    // The widget separates lines by LF, the field by CR LF.
    const auto shownText = [](const MemoField& f) {
        return QString(f.text()).replace(QLatin1String("\r\n"), QLatin1String("\n"));
    };
    auto state = attach(w, f, [shownText](QPlainTextEdit* w, MemoField& f) {
        if (w->toPlainText() != shownText(f)) {
            w->setPlainText(shownText(f));
            w->moveCursor(QTextCursor::End);
        }
        applyCommon(w, f, true);
    });
    QObject::connect(w, &QPlainTextEdit::textChanged, w, [w, &f, state] {
        if (state->syncing)
            return;
        runHandler([&] { f.setText(w->toPlainText()); });
    });
}

void bindField(QComboBox* w, ComboField& f) {
    w->setEditable(true);
    // Its inline completion would rewrite typed text; the label logic matches it.
    w->setCompleter(nullptr);
    w->setInsertPolicy(QComboBox::NoInsert);
    if (f.maxLength > 0)
        w->setValidator(new TypingLimit(w->lineEdit(), f.maxLength));
    // A string-list model takes the field's items without copying them one by
    // one: material-number lists run to a hundred thousand entries.
    auto* model = new QStringListModel(w);
    w->setModel(model);
    auto revision = std::make_shared<int>(-1);
    auto state = attach(w, f, [revision, model](QComboBox* w, ComboField& f) {
        if (*revision != f.itemsRevision()) {
            model->setStringList(f.items());
            *revision = f.itemsRevision();
        }
        if (w->currentIndex() != f.itemIndex())
            w->setCurrentIndex(f.itemIndex());
        if (w->currentText() != f.text())
            w->setEditText(f.text());
        applyCommon(w, f, true);
    });
    // What the program does to the widget reaches the field without its handler.
    // A signal that a handler has overtaken (the line edit reports a typed text
    // after the handler replaced it) no longer matches the widget and is dropped.
    QObject::connect(w, &QComboBox::currentIndexChanged, w, [w, &f, state](int index) {
        if (!state->syncing && index == w->currentIndex() && index != f.itemIndex())
            f.setItemIndex(index);
    });
    QObject::connect(w, &QComboBox::editTextChanged, w, [w, &f, state](const QString& text) {
        if (!state->syncing && text == w->currentText() && text != f.text())
            f.setText(text);
    });
    auto* keys = new DeletionKeys(w->lineEdit());
    w->lineEdit()->installEventFilter(keys);
    QObject::connect(w->lineEdit(), &QLineEdit::textEdited, w, [w, &f, state, keys](const QString& typed) {
        if (state->syncing)
            return;
        const bool deleting = std::exchange(keys->deleting, false);
        runHandler([&] { deleting ? f.userDeleted(typed) : f.userTyped(typed); });
        // When the handler chose an article, its number stands behind the typed
        // prefix, selected, so the next keystroke goes on with the prefix.
        QLineEdit* le = w->lineEdit();
        if (le->text() != typed && le->text().startsWith(typed) && !typed.isEmpty())
            le->setSelection(int(le->text().size()), int(typed.size() - le->text().size()));
    });
    QObject::connect(w, &QComboBox::activated, w, [&f, state](int index) {
        if (state->syncing)
            return;
        runHandler([&] { f.userChose(index); });
    });
}

void bindField(QCheckBox* w, CheckField& f) {
    auto state = attach(w, f, [](QCheckBox* w, CheckField& f) {
        w->setChecked(f.checked());
        applyCommon(w, f, false);
    });
    QObject::connect(w, &QCheckBox::toggled, w, [&f, state](bool on) {
        if (state->syncing)
            return;
        runHandler([&] { f.setChecked(on); });
    });
}

void bindField(QRadioButton* w, RadioField& f) {
    auto state = attach(w, f, [](QRadioButton* w, RadioField& f) {
        // Qt keeps one radio button of a parent ticked; the field decides alone.
        w->setAutoExclusive(false);
        w->setChecked(f.checked());
        applyCommon(w, f, false);
    });
    QObject::connect(w, &QRadioButton::toggled, w, [&f, state](bool on) {
        if (state->syncing)
            return;
        // A click on a ticked radio button leaves it ticked.
        if (!on) {
            f.onStateChanged();
            return;
        }
        runHandler([&] { f.setChecked(true); });
    });
}

void bindField(QDateEdit* w, DateField& f) {
    auto state = attach(w, f, [](QDateEdit* w, DateField& f) {
        if (f.date().isValid() && w->date() != f.date())
            w->setDate(f.date());
        applyCommon(w, f, true);
    });
    QObject::connect(w, &QDateEdit::dateChanged, w, [&f, state](const QDate& d) {
        if (state->syncing)
            return;
        runHandler([&] { f.setDate(d); });
    });
}

void bindField(QLabel* w, PictureField& f) {
    attach(w, f, [](QLabel* w, PictureField& f) {
        if (!f.picture().isNull())
            w->setPixmap(QPixmap::fromImage(f.picture()));
        applyCommon(w, f, false);
    });
}

void bindField(QLabel* w, CaptionField& f) {
    attach(w, f, [](QLabel* w, CaptionField& f) {
        w->setText(f.caption());
        applyCommon(w, f, false);
    });
}

void bindDropDown(QComboBox* w, ComboField& f) {
    w->setEditable(false);
    auto revision = std::make_shared<int>(-1);
    auto state = attach(w, f, [revision](QComboBox* w, ComboField& f) {
        if (*revision != f.itemsRevision()) {
            w->clear();
            w->addItems(f.items());
            *revision = f.itemsRevision();
        }
        if (w->currentIndex() != f.itemIndex())
            w->setCurrentIndex(f.itemIndex());
        applyCommon(w, f, false);
    });
    QObject::connect(w, &QComboBox::currentIndexChanged, w, [w, &f, state](int index) {
        if (!state->syncing && index == w->currentIndex() && index != f.itemIndex())
            f.setItemIndex(index);
    });
    QObject::connect(w, &QComboBox::activated, w, [&f, state](int index) {
        if (state->syncing)
            return;
        runHandler([&] { f.userChose(index); });
    });
}

void bindField(QWidget* w, LabelField& f) {
    attach(w, f, [](QWidget* w, LabelField& f) { applyCommon(w, f, false); });
}

void BoundFields::unbindAll() {
    for (LabelField* f : m_fields)
        unbindField(*f);
    m_fields.clear();
}

void unbindField(LabelField& f) {
    f.onStateChanged = nullptr;
    f.onFocusRequested = nullptr;
}

QColor fieldColour(const QWidget* w) {
    return w->palette().color(QPalette::Base);
}

} // namespace zw
