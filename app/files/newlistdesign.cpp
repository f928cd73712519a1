#include "app/files/newlistdesign.h"

UniTextProperties txtNewProperties()
{
    UniTextProperties p;
    p.MaxLength = -1;
    p.MultiLine = true;
    p.ScrollBars = 2;
    // Arabic is typed right to left, in the face and size the practice lists show it in.
    p.Alignment = 1;
    p.RightToLeft = true;
    p.Font = arabicFont(20.25, false);
    return p;
}
