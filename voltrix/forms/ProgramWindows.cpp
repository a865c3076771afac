#include "ProgramWindows.h"

#include <QTimer>

#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"
#include "Unit6.h"

void createVoltrixWindows()
{
    Form1 = new TForm1;
    Form3 = new TForm3;
    Form2 = new TForm2;
    Form4 = new TForm4;
    Form5 = new TForm5;
    Form6 = new TForm6;
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
    if (Form1) {
        for (QTimer *timer : {Form1->TimeAnimacion, Form1->TimeGiro, Form1->TimeZoom, Form1->TimeScale, Form1->TimeQ})
            timer->stop();
    }
    destroy(Form6);
    destroy(Form5);
    destroy(Form4);
    destroy(Form2);
    destroy(Form3);
    destroy(Form1);
}
