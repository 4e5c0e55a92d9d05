#include "group/frmGroup.h"

void frmGroup::cmdEditResult_Click() {}
void frmGroup::cmdEditDate_Click() {}
