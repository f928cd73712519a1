#include "controls/unitext/UniTextProperties.h"

#include "controls/common/PropertyBag.h"
#include "textfiles/textfilecodec.h"

void UniTextProperties::write(PropertyBag& bag) const
{
    bag.write(QStringLiteral("Alignment"), Alignment);
    bag.write(QStringLiteral("Appearance"), Appearance);
    bag.write(QStringLiteral("BackColor"), BackColor);
    bag.write(QStringLiteral("BorderStyle"), BorderStyle);
    bag.write(QStringLiteral("CaptureEnter"), CaptureEnter);
    bag.write(QStringLiteral("CaptureEsc"), CaptureEsc);
    bag.write(QStringLiteral("CaptureTab"), CaptureTab);
    bag.write(QStringLiteral("Enabled"), Enabled);
    bag.write(QStringLiteral("FileCodepage"), FileCodepage);
    bag.write(QStringLiteral("Font"), QVariant::fromValue(Font));
    bag.write(QStringLiteral("ForeColor"), ForeColor);
    bag.write(QStringLiteral("HideSelection"), HideSelection);
    bag.write(QStringLiteral("Locked"), Locked);
    bag.write(QStringLiteral("MaxLength"), MaxLength <= 0 ? -1 : MaxLength);
    bag.write(QStringLiteral("MouseIcon"), MouseIcon);
    bag.write(QStringLiteral("MousePointer"), MousePointer);
    bag.write(QStringLiteral("MultiLine"), MultiLine);
    bag.write(QStringLiteral("PasswordChar"), PasswordChar);
    bag.write(QStringLiteral("RightToLeft"), RightToLeft);
    bag.write(QStringLiteral("ScrollBars"), ScrollBars);
    bag.write(QStringLiteral("Text"), textfile::encodeUtf16LE(Text));
    bag.write(QStringLiteral("UseEvents"), UseEvents);
}

UniTextProperties UniTextProperties::read(const PropertyBag& bag, const FontRecord& containerFont)
{
    UniTextProperties p;
    p.Alignment = bag.read(QStringLiteral("Alignment"), 0).toInt();
    p.Appearance = bag.read(QStringLiteral("Appearance"), 0).toInt();
    p.BackColor = bag.read(QStringLiteral("BackColor"), SystemColor::WindowBackground).toUInt();
    p.BorderStyle = bag.read(QStringLiteral("BorderStyle"), 2).toInt();
    p.CaptureEnter = bag.read(QStringLiteral("CaptureEnter"), false).toBool();
    p.CaptureEsc = bag.read(QStringLiteral("CaptureEsc"), false).toBool();
    p.CaptureTab = bag.read(QStringLiteral("CaptureTab"), false).toBool();
    p.Enabled = bag.read(QStringLiteral("Enabled"), true).toBool();
    p.FileCodepage = bag.read(QStringLiteral("FileCodepage"), 0).toInt();
    p.Font =
        bag.read(QStringLiteral("Font"), QVariant::fromValue(containerFont)).value<FontRecord>();
    p.ForeColor = bag.read(QStringLiteral("ForeColor"), SystemColor::WindowText).toUInt();
    p.HideSelection = bag.read(QStringLiteral("HideSelection"), true).toBool();
    p.Locked = bag.read(QStringLiteral("Locked"), false).toBool();
    p.MaxLength = bag.read(QStringLiteral("MaxLength"), -1).toInt();
    p.MouseIcon = bag.read(QStringLiteral("MouseIcon")).value<QPixmap>();
    p.MousePointer = bag.read(QStringLiteral("MousePointer"), 0).toInt();
    p.MultiLine = bag.read(QStringLiteral("MultiLine"), false).toBool();
    p.PasswordChar = bag.read(QStringLiteral("PasswordChar")).toString();
    p.RightToLeft = bag.read(QStringLiteral("RightToLeft"), false).toBool();
    p.ScrollBars = bag.read(QStringLiteral("ScrollBars"), 0).toInt();
    p.Text = textfile::decodeUtf16(bag.read(QStringLiteral("Text")).toByteArray(), false);
    p.UseEvents = bag.read(QStringLiteral("UseEvents"), true).toBool();
    return p;
}
