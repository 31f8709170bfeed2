#include "runtime/widgets/accessible_names.h"

#include "runtime/widgets/accessible_combo_box.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>

QString spokenCaption(const QString& caption) {
    static const QRegularExpression trailing(QStringLiteral("[\\s:]+$"));
    return QString(caption).remove(trailing).trimmed();
}

QWidget* namedChild(QWidget* root, const char* name) {
    auto* widget = root ? root->findChild<QWidget*>(QString::fromUtf8(name)) : nullptr;
    Q_ASSERT_X(widget, "accessible names", name);
    return widget;
}

void captionControl(QLabel* caption, QWidget* control, const QString& prefix) {
    if (!caption || !control)
        return;
    installComboBoxAccessibility();
    caption->setBuddy(control);
    // Qt reads a buddy as the name of edits and buttons only; a list, a table or a drop-down list
    // answers with its contents unless it has a name of its own.
    if (!prefix.isEmpty() || qobject_cast<QAbstractItemView*>(control) ||
        qobject_cast<QComboBox*>(control))
        control->setAccessibleName(prefix + spokenCaption(caption->text()));
}

void captionControl(QWidget* root, const char* caption, const char* control,
                    const QString& prefix) {
    captionControl(qobject_cast<QLabel*>(namedChild(root, caption)), namedChild(root, control),
                   prefix);
}

void nameAfterGroup(QWidget* root, const char* group, const char* control) {
    if (auto* box = qobject_cast<QGroupBox*>(namedChild(root, group)))
        nameControl(namedChild(root, control), box->title());
}

void nameControl(QWidget* control, const QString& name) {
    installComboBoxAccessibility();
    if (control)
        control->setAccessibleName(name);
}

void nameControl(QWidget* root, const char* control, const QString& name) {
    nameControl(namedChild(root, control), name);
}
