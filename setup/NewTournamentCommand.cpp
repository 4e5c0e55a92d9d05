#include "app/frmMain.h"

void frmMain::mnuNew_Click() {}
