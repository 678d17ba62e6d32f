#include "mainwindow/form1.h"

#include "graphs/form2.h"
#include "graphs/form3.h"
#include "help/form4.h"
#include "platform/endprogram.h"
#include "platform/messagebox.h"

#include <QCloseEvent>
#include <QRadioButton>

namespace {

// Opens the program's one window of its kind, or brings it to the front.
template <typename Form> void open(QPointer<Form>& form) {
    if (!form)
        form = new Form;
    form->showAndRaise();
}

} // namespace

void Form1::command3Click() {
    soundCue(QStringLiteral("endpinpon.wav"));
    walk.ret = static_cast<std::int16_t>(platform::messageBox(
        QStringLiteral("This software will exit."), QStringLiteral("Lurchfield")));
    if (walk.ret == platform::answerOk)
        platform::endProgram();
}

void Form1::command4Click() {
    soundCue(QStringLiteral("pinpon.wav"));
    walk.command4Click();
}

void Form1::command5Click() {
    if (Option2->isChecked())
        open(form2);
    else if (Option1->isChecked())
        open(form3);
    walk.command5Shown();
}

void Form1::command8Click() {
    soundCue(QStringLiteral("pinpon.wav"));
    open(form4);
}

// Closing the main window through its frame ends the program like "Exit",
// without the chime and the message, so no graph or help window is left behind.
void Form1::closeEvent(QCloseEvent* event) {
    event->accept();
    platform::endProgram();
}

void Form1::soundCue(const QString& fileName) {
    MMControl1.setCommand(QStringLiteral("Stop"));
    MMControl1.setCommand(QStringLiteral("Close"));
    MMControl1.setFileName(fileName);
    MMControl1.setCommand(QStringLiteral("Open"));
    MMControl1.setCommand(QStringLiteral("Sound"));
}
