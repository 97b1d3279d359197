#include "errorreport.h"

#include "dialogseam.h"

void ApplicationShowException(const QString &message)
{
    dialogs().showMessage(message);
}
