#pragma once

#include <QWidget>

class mab_la;

// The ADRESAR page: the editor bar, the list of matching entries and the form of one entry.
class tab_adresar : public QWidget {
    Q_OBJECT

public:
    explicit tab_adresar(mab_la* window, QWidget* parent = nullptr);

    void pokupi_ljude(const QString& slovo, const QString& statt);
    int popunipodatke(const QString& mmbr);
    int promenjeno();

private:
    mab_la* m_window;
};
