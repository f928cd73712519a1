#include "newlistdesign.h"

UniTextProperties txtNewProperties()
{
    UniTextProperties p;
    p.MaxLength = -1;
    p.MultiLine = true;
    p.ScrollBars = 2;
    p.Font = arabicFont(12, false);
    return p;
}
