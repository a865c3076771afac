#pragma once
// The six Voltrix windows created as the program creates them, on a fresh
// simulation state, and destroyed afterwards so every test starts clean.
#include <gtest/gtest.h>

#include "SimState.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"
#include "Unit6.h"
#include "ProgramWindows.h"

class AllVoltrixForms : public ::testing::Test {
protected:
    void SetUp() override
    {
        voltrix::Sim = voltrix::SimState{};
        createVoltrixWindows();
    }

    void TearDown() override
    {
        destroyVoltrixWindows();
    }
};
