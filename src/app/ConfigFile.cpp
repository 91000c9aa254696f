// Reading and writing the configuration file.
#include "app/Mainform.h"

// TODO(configuration): the key table, reading order and apply steps.
void TForm1::ReadTheIniFile(const QString &) {}
bool TForm1::WriteTheIniFile(const QString &) {
    return false;
}
void TForm1::SaveDefaultConfiguration1Click() {}
void TForm1::LoadConfiguration1Click() {}
void TForm1::SaveConfigurationAs1Click() {}
