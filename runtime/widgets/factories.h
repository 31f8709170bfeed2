#pragma once

#include "runtime/widgets/look.h"

#include <QList>
#include <QString>

class EditMask;
class QLabel;
class QWidget;

// The screens' one way to make a static text: named, captioned, in one of the screens' fonts.
QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, ScreenFont font);

// An amount field with the mask "0.00", showing `initial` ("0.00", or the stored "none" of a field
// never filled, which shows and counts as 0).
EditMask* makeAmount(QWidget* parent, const QString& name, ScreenFont font, const QString& initial);

// Chains the widgets so that Tab visits them in this order.
void chainTabOrder(const QList<QWidget*>& order);
