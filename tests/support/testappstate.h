#pragma once

#include "app/appstate.h"

#include <QTemporaryDir>

#include <memory>

// A fully initialised AppState on a fresh data directory of its own.
class TestAppState
{
public:
    TestAppState()
        : m_dir(std::make_unique<QTemporaryDir>())
    {
        qputenv("LEDGERWELL_DATA_DIR", m_dir->path().toUtf8());
        m_state = std::make_unique<AppState>();
        m_ready = m_state->initialize();
    }

    bool isReady() const { return m_ready; }
    AppState *operator->() const { return m_state.get(); }
    AppState *get() const { return m_state.get(); }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<AppState> m_state;
    bool m_ready = false;
};
