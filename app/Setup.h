// The description of the settings record that the settings dialog is built from.
#pragma once
#include "Settings.h"
#include "iType.h"

class Setup : public iType::Collection {
public:
    // Binds to the record, which it leaves holding the defaults.
    explicit Setup(Settings& settings);

    iType::TCheck<> m_operation;
    iType::TCombo<> m_size;
    iType::TCombo<> m_high;
    iType::TCombo<> m_pace;
    iType::TCheck<> m_sounds;
    iType::TCheck<> m_practice;
};
