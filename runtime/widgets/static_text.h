#pragma once

#include <QLabel>

// A static text that reports a click on it with `clicked`, as the screens' arrow labels need.
class StaticText : public QLabel {
    Q_OBJECT

public:
    StaticText(const QString& name, const QString& text, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};
