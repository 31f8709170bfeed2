#pragma once

#include "app/mab_oru.h"
#include "tests/support/gui_helpers.h"
#include "tests/support/test_data_source.h"

#include <memory>

class Transaction;
class mab_la;

// Starts the program as its entry point does (create, then open) on a throwaway data source,
// with a modal answerer ready before the first window is built.
class AppFixture {
public:
    AppFixture();
    ~AppFixture();

    // Provisions the data source; call from initTestCase before start().
    bool provision(TestDataSource::Contents contents = TestDataSource::Contents::SchemaAndSeed,
                   bool registerMabZet = true);
    // Runs the application object's create and open, then waits until the main window is shown
    // and every page is built, as a user would see it a moment later; returns the main window.
    mab_la* start();
    // Only create and open: the window is not yet painted, its later pages not yet built.
    mab_la* startWithoutWaiting();
    // Turns the event loop until the main window is on the screen and every page is built.
    bool waitUntilBuilt();
    // Closes the main window and runs destroy.
    void stop();

    TestDataSource& db() { return m_db; }
    ModalAnswerer& modals() { return *m_modals; }
    mab_la* window() const;

private:
    TestDataSource m_db;
    std::unique_ptr<ModalAnswerer> m_modals;
    std::unique_ptr<mab_oru> m_app;
};

// The running program's connection, which the application object holds; aborts when no program
// runs.
Transaction& sqlca();
// Whether a connection of the program is still registered with Qt (the application object's
// destroy ends and removes it).
bool programConnectionRemains();
