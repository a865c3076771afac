#include "voltrix/forms/ProgramWindows.h"

#include "voltrix/forms/SceneFigures.h"
#include "voltrix/forms/Unit1.h"
#include "voltrix/forms/Unit2.h"
#include "voltrix/forms/Unit3.h"
#include "voltrix/forms/Unit4.h"
#include "voltrix/forms/Unit5.h"
#include "voltrix/forms/Unit6.h"
#include "voltrix/forms/UnitGraficas.h"
#include "voltrix/forms/UnitGuia.h"
#include "voltrix/forms/UnitMagnitudes.h"

namespace voltrix {

void createVoltrixWindows(Experiment &experiment)
{
    Form1 = new TForm1(experiment);
    Form3 = new TForm3;
    Form2 = new TForm2(experiment);
    // The vector options colour the main window's figures; it is handed them.
    Form4 = new TForm4(experiment, Form1->scene());
    Form5 = new TForm5(experiment);
    Form6 = new TForm6;
    FormMagnitudes = new TFormMagnitudes(experiment);
    FormGraficas = new TFormGraficas(experiment);
    FormGuia = new TFormGuia;
}

namespace {

template <typename Form>
void destroy(Form *&form)
{
    delete form;
    form = nullptr;
}

} // namespace

void destroyVoltrixWindows()
{
    if (Form1 != nullptr)
        Form1->stopTimers();
    destroy(FormGuia);
    destroy(FormGraficas);
    destroy(FormMagnitudes);
    destroy(Form6);
    destroy(Form5);
    destroy(Form4);
    destroy(Form2);
    destroy(Form3);
    destroy(Form1);
}

} // namespace voltrix
