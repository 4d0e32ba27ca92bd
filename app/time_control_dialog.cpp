#include "app/time_control_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "platform/translation.h"

namespace app {

namespace {

using Kind = record::TimeControlKind;

constexpr const char* kContext = "TimeControl";

// The kinds in the order the list offers them, with their names.
const struct {
    Kind kind;
    const char* name;
} kKinds[] = {
    {Kind::None, KZ_TEXT("TimeControl", "なし")},
    {Kind::SuddenDeath, KZ_TEXT("TimeControl", "切れ負け")},
    {Kind::Byoyomi, KZ_TEXT("TimeControl", "秒読み")},
    {Kind::Increment, KZ_TEXT("TimeControl", "加算")},
};

QString text(const char* source) {
    return platform::translatedQ(kContext, source);
}

QSpinBox* spinBox(int low, int high, const char* unit) {
    auto* box = new QSpinBox;
    box->setRange(low, high);
    box->setSuffix(QStringLiteral(" ") + text(unit));
    return box;
}

}  // namespace

QString timeControlCaption(const record::TimeControl& c) {
    const QString main = c.mainSeconds % 60 == 0
                             ? text(KZ_TEXT("TimeControl", "%1分")).arg(c.mainSeconds / 60)
                             : text(KZ_TEXT("TimeControl", "%1分%2秒"))
                                   .arg(c.mainSeconds / 60)
                                   .arg(c.mainSeconds % 60);
    switch (c.kind) {
        case Kind::None:
            break;
        case Kind::SuddenDeath:
            return text(KZ_TEXT("TimeControl", "%1切れ負け")).arg(main);
        case Kind::Byoyomi:
            return text(KZ_TEXT("TimeControl", "%1+%2秒")).arg(main).arg(c.extraSeconds);
        case Kind::Increment:
            return text(KZ_TEXT("TimeControl", "%1+1手%2秒加算")).arg(main).arg(c.extraSeconds);
    }
    return text(kKinds[0].name);
}

TimeControlDialog::TimeControlDialog(const record::TimeControl& current, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(text(KZ_TEXT("TimeControl", "持ち時間")));
    kind_ = new QComboBox;
    for (const auto& k : kKinds) kind_->addItem(text(k.name));
    minutes_ = spinBox(0, record::kMaxMainSeconds / 60, KZ_TEXT("TimeControl", "分"));
    seconds_ = spinBox(0, 59, KZ_TEXT("TimeControl", "秒"));
    extra_ = spinBox(1, record::kMaxExtraSeconds, KZ_TEXT("TimeControl", "秒"));
    extraLabel_ = new QLabel;

    auto* mainTime = new QHBoxLayout;
    mainTime->addWidget(minutes_);
    mainTime->addWidget(seconds_);
    auto* form = new QFormLayout;
    form->addRow(text(KZ_TEXT("TimeControl", "種類")), kind_);
    form->addRow(text(KZ_TEXT("TimeControl", "持ち時間")), mainTime);
    form->addRow(extraLabel_, extra_);

    // The ready-made controls, one button each.
    auto* presets = new QHBoxLayout;
    for (const record::TimeControl& p : record::timeControlPresets()) {
        auto* b = new QPushButton(timeControlCaption(p));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, p] { showControl(p); });
        presets->addWidget(b);
    }

    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(presets);
    layout->addWidget(buttons_);

    for (QSpinBox* box : {minutes_, seconds_, extra_})
        connect(box, &QSpinBox::valueChanged, this, [this] { follow(); });
    connect(kind_, &QComboBox::currentIndexChanged, this, [this] { follow(); });
    showControl(current);
}

record::TimeControl TimeControlDialog::chosen() const {
    record::TimeControl c;
    c.kind = kKinds[std::max(0, kind_->currentIndex())].kind;
    if (c.kind == Kind::None) return c;
    c.mainSeconds = minutes_->value() * 60 + seconds_->value();
    if (c.kind != Kind::SuddenDeath) c.extraSeconds = extra_->value();
    return c;
}

void TimeControlDialog::showControl(const record::TimeControl& c) {
    for (int i = 0; i < static_cast<int>(std::size(kKinds)); ++i)
        if (kKinds[i].kind == c.kind) kind_->setCurrentIndex(i);
    if (c.kind != Kind::None) {
        minutes_->setValue(c.mainSeconds / 60);
        seconds_->setValue(c.mainSeconds % 60);
    }
    if (c.extraSeconds > 0) extra_->setValue(c.extraSeconds);
    follow();
}

void TimeControlDialog::follow() {
    const Kind kind = kKinds[std::max(0, kind_->currentIndex())].kind;
    minutes_->setEnabled(kind != Kind::None);
    seconds_->setEnabled(kind != Kind::None);
    extra_->setEnabled(kind == Kind::Byoyomi || kind == Kind::Increment);
    extraLabel_->setText(kind == Kind::Increment ? text(KZ_TEXT("TimeControl", "1手ごとの加算"))
                                                 : text(KZ_TEXT("TimeControl", "秒読み")));
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(record::isValid(chosen()));
}

}  // namespace app
