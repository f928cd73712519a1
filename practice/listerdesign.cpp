#include "listerdesign.h"

UniTextProperties txtCompleteTextProperties()
{
    UniTextProperties p;
    p.Alignment = 1;
    p.Enabled = false;
    p.MaxLength = -1;
    p.MultiLine = true;
    p.ScrollBars = 2;
    p.Font = arabicFont(20.25, true);
    return p;
}
