#include "versiondialog.h"

#include "appsetup.h"
#include "colours.h"

#include "form/controltable.h"
#include "twips.h"
#include "versiontexts.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace {

// A modifier alone is not a key press the user means; the key it goes with is.
bool isModifierOnly(int key)
{
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_ScrollLock:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
        return true;
    default:
        return false;
    }
}

} // namespace

VersionDialog::VersionDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("verdsp"));
    // The window's face, not the desktop theme's.
    setPalette(Colours::design());
    setWindowTitle(VersionTexts::caption());
    setFont(AppSetup::font(ControlTable::GothicFace, 9));
    setFixedSize(Twips::toPx(VersionTexts::ClientWidth), Twips::toPx(VersionTexts::ClientHeight));

    for (const VersionTexts::LabelSpec& desc : VersionTexts::labels()) {
        auto* label = new QLabel(desc.caption, this);
        label->setObjectName(QString::fromLatin1(desc.name));
        label->setTextFormat(Qt::PlainText);
        label->setAlignment((desc.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
        label->setGeometry(Twips::rect(VersionTexts::LabelLeft, desc.top, VersionTexts::LabelWidth,
                                       VersionTexts::LabelHeight));
    }

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setGeometry(Twips::rect(VersionTexts::OkLeft, VersionTexts::OkTop, VersionTexts::OkWidth,
                                VersionTexts::OkHeight));
    ok->setDefault(true);
    ok->setFocus();
    // The button holds the focus, so keys reach it before the dialog.
    ok->installEventFilter(this);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void VersionDialog::keyPressEvent(QKeyEvent* event)
{
    if (isModifierOnly(event->key())) {
        QDialog::keyPressEvent(event);
        return;
    }
    accept();
}

bool VersionDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress &&
        !isModifierOnly(static_cast<QKeyEvent*>(event)->key())) {
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
