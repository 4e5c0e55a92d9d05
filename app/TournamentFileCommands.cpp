#include "app/frmMain.h"

// Saving and opening tournament files come with their own work; until then the items do nothing.
void frmMain::mnuSave_Click() {}
void frmMain::mnuOpen_Click() {}
