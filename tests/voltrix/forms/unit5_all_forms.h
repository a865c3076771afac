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

class AllVoltrixForms : public ::testing::Test {
protected:
    void SetUp() override
    {
        voltrix::Sim = voltrix::SimState{};
        Form1 = new TForm1;
        Form3 = new TForm3;
        Form2 = new TForm2;
        Form4 = new TForm4;
        Form5 = new TForm5;
        Form6 = new TForm6;
    }

    void TearDown() override
    {
        delete Form6;
        Form6 = nullptr;
        delete Form5;
        Form5 = nullptr;
        delete Form4;
        Form4 = nullptr;
        delete Form2;
        Form2 = nullptr;
        delete Form3;
        Form3 = nullptr;
        delete Form1;
        Form1 = nullptr;
    }
};
