<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>ConfusionsView</name>
    <message>
        <source>Practise the pa&amp;ir</source>
        <translation type="unfinished">تمرّن على الز&amp;وج</translation>
    </message>
    <message>
        <source>Passages taken for one another</source>
        <translation type="unfinished">مقاطع اختلطت عليك</translation>
    </message>
    <message>
        <source>The pair side by side</source>
        <translation type="unfinished">الزوج جنبًا إلى جنب</translation>
    </message>
    <message>
        <source>Test a few entries around each passage of the pair in turn</source>
        <translation type="unfinished">اختبر بضعة بنود حول كل مقطع من الزوج بالتناوب</translation>
    </message>
    <message>
        <source>The pairs, the words that tell them apart marked:</source>
        <translation type="unfinished">الأزواج، وقد عُلّمت الكلمات التي تفرّق بينها:</translation>
    </message>
</context>
<context>
    <name>DueBars</name>
    <message>
        <source>Entries due in the coming days</source>
        <translation type="unfinished">البنود المستحقة في الأيام القادمة</translation>
    </message>
    <message>
        <source>Today and the next days: %1</source>
        <translation type="unfinished">اليوم والأيام التالية: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n due today</source>
        <translation type="unfinished">
            <numerusform>لا شيء مستحق اليوم</numerusform>
            <numerusform>بند واحد مستحق اليوم</numerusform>
            <numerusform>بندان مستحقان اليوم</numerusform>
            <numerusform>%n بنود مستحقة اليوم</numerusform>
            <numerusform>%n بندًا مستحقًا اليوم</numerusform>
            <numerusform>%n بند مستحق اليوم</numerusform>
        </translation>
    </message>
    <message>
        <source>today</source>
        <translation type="unfinished">اليوم</translation>
    </message>
</context>
<context>
    <name>ListTreeModel</name>
    <message>
        <source>Lists</source>
        <translation type="unfinished">القوائم</translation>
    </message>
</context>
<context>
    <name>ListerPage</name>
    <message>
        <source>Re&amp;call first</source>
        <translation type="unfinished">الاستذكار &amp;أولًا</translation>
    </message>
    <message>
        <source>Show each entry&apos;s start first, and the whole at the next step</source>
        <translation type="unfinished">اعرض بداية كل بند أولًا، ثم البند كاملًا في الخطوة التالية</translation>
    </message>
    <message>
        <source>First word</source>
        <translation type="unfinished">الكلمة الأولى</translation>
    </message>
    <message>
        <source>First letters</source>
        <translation type="unfinished">الحروف الأولى</translation>
    </message>
    <message>
        <source>A blank a word</source>
        <translation type="unfinished">فراغ لكل كلمة</translation>
    </message>
    <message>
        <source>What a prompt shows of the entry before it is revealed</source>
        <translation type="unfinished">ما يُعرض من البند قبل كشفه</translation>
    </message>
    <message>
        <source>How well did you recall it?
1 Again  2 Hard
3 Good  4 Easy</source>
        <translation type="unfinished">كيف كان استذكارك؟
1 أعِد  2 صعب
3 جيد  4 سهل</translation>
    </message>
    <message>
        <source>Space: the next word
Enter: the whole entry</source>
        <translation type="unfinished">المسافة: الكلمة التالية
Enter: البند كاملًا</translation>
    </message>
    <message>
        <source>Divider between the listed items and the complete text</source>
        <translation type="unfinished">الفاصل بين البنود المعروضة والنص الكامل</translation>
    </message>
    <message>
        <source>Listed items</source>
        <translation type="unfinished">البنود المعروضة</translation>
    </message>
    <message>
        <source>Complete text</source>
        <translation type="unfinished">النص الكامل</translation>
    </message>
    <message>
        <source>Listing speed</source>
        <translation type="unfinished">سرعة العرض</translation>
    </message>
    <message>
        <source>Recall cue</source>
        <translation type="unfinished">تلميح الاستذكار</translation>
    </message>
    <message>
        <source>&amp;Restart Listing</source>
        <translation type="unfinished">أعِد ال&amp;عرض</translation>
    </message>
    <message>
        <source>Restart on finish</source>
        <translation type="unfinished">أعِد عند الانتهاء</translation>
    </message>
    <message>
        <source>Listing Speed</source>
        <translation type="unfinished">سرعة العرض</translation>
    </message>
    <message>
        <source>&amp;List Next Item (Enter Key)</source>
        <translation type="unfinished">اعرض البند ال&amp;تالي (Enter)</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished">&amp;عرض</translation>
    </message>
    <message>
        <source>Arabic &amp;Font</source>
        <translation type="unfinished">ال&amp;خط العربي</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation type="unfinished">&amp;تكبير</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation type="unfinished">ت&amp;صغير</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation type="unfinished">الحجم ال&amp;فعلي</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation type="unfinished">&amp;بحث...</translation>
    </message>
    <message>
        <source>&amp;Progress...</source>
        <translation type="unfinished">ال&amp;تقدّم...</translation>
    </message>
    <message>
        <source>&amp;Today...</source>
        <translation type="unfinished">ال&amp;يوم...</translation>
    </message>
    <message>
        <source>&amp;Write from Memory...</source>
        <translation type="unfinished">ا&amp;كتب من الذاكرة...</translation>
    </message>
    <message>
        <source>Ask the &amp;Second Half of a Bayt</source>
        <translation type="unfinished">اسأل عن ال&amp;شطر الثاني من البيت</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished">ال&amp;لغة</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation type="unfinished">لغة ال&amp;نظام</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished">&amp;ملف</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished">&amp;فتح</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished">&amp;جديد</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished">&amp;خروج</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished">م&amp;ساعدة</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished">&amp;حول</translation>
    </message>
</context>
<context>
    <name>RangeBar</name>
    <message>
        <source>&amp;Part</source>
        <translation type="unfinished">ال&amp;قسم</translation>
    </message>
    <message>
        <source>Practise a whole part</source>
        <translation type="unfinished">تمرّن على قسم كامل</translation>
    </message>
    <message>
        <source>From line</source>
        <translation type="unfinished">من السطر</translation>
    </message>
    <message>
        <source>To line</source>
        <translation type="unfinished">إلى السطر</translation>
    </message>
    <message>
        <source>Fr&amp;om</source>
        <translation type="unfinished">&amp;من</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation type="unfinished">إ&amp;لى</translation>
    </message>
    <message>
        <source>Select</source>
        <translation type="unfinished">اختر</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation type="unfinished">ال&amp;كل</translation>
    </message>
    <message>
        <source>First &amp;5</source>
        <translation type="unfinished">أول &amp;5</translation>
    </message>
    <message>
        <source>First &amp;10</source>
        <translation type="unfinished">أول &amp;10</translation>
    </message>
    <message>
        <source>Select Previous Range</source>
        <translation type="unfinished">اختر النطاق السابق</translation>
    </message>
    <message>
        <source>Select Next Range</source>
        <translation type="unfinished">اختر النطاق التالي</translation>
    </message>
    <message>
        <source>FROM cannot be greater than TO</source>
        <translation type="unfinished">لا يصح أن تكون «من» بعد «إلى»</translation>
    </message>
    <message>
        <source>Invalid Selection</source>
        <translation type="unfinished">اختيار غير صالح</translation>
    </message>
</context>
<context>
    <name>SideWindows</name>
    <message>
        <source>Export the Memory of This List</source>
        <translation type="unfinished">تصدير ذاكرة هذه القائمة</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation type="unfinished">ملفات CSV (*.csv)</translation>
    </message>
    <message>
        <source>The memory could not be written to “%1”: %2</source>
        <translation type="unfinished">تعذّرت كتابة الذاكرة في «%1»: %2</translation>
    </message>
</context>
<context>
    <name>StrengthMap</name>
    <message>
        <source>Strength of every entry</source>
        <translation type="unfinished">قوة كل بند</translation>
    </message>
    <message>
        <source>%1 of %2 entries practised, %3 recalled with 90 % or more</source>
        <translation type="unfinished">تمرّنت على %1 من %2 بندًا، و%3 منها تُستذكر بنسبة 90 % فأكثر</translation>
    </message>
    <message>
        <source>%1: never practised</source>
        <translation type="unfinished">%1: لم يُتمرَّن عليه قط</translation>
    </message>
    <message>
        <source>%1: recalled with %2 % today</source>
        <translation type="unfinished">%1: يُستذكر اليوم بنسبة %2 %</translation>
    </message>
</context>
<context>
    <name>TesterPage</name>
    <message>
        <source>Loo&amp;k-alike choices</source>
        <translation type="unfinished">خيارات م&amp;تشابهة</translation>
    </message>
    <message>
        <source>Offer a passage elsewhere that reads like the right one</source>
        <translation type="unfinished">اعرض مقطعًا من موضع آخر يشبه المقطع الصحيح</translation>
    </message>
    <message>
        <source>Mistakes</source>
        <translation type="unfinished">الأخطاء</translation>
    </message>
    <message>
        <source>Recalled items</source>
        <translation type="unfinished">البنود المستذكَرة</translation>
    </message>
    <message>
        <source>Choices</source>
        <translation type="unfinished">الخيارات</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation type="unfinished">الحكم</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation type="unfinished">صحيح</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation type="unfinished">خطأ</translation>
    </message>
    <message>
        <source>Time Taken</source>
        <translation type="unfinished">الوقت المستغرق</translation>
    </message>
    <message>
        <source>Wrong: that was %1</source>
        <translation type="unfinished">خطأ: ذلك %1</translation>
    </message>
    <message>
        <source>&amp;Restart Test</source>
        <translation type="unfinished">أعِد الا&amp;ختبار</translation>
    </message>
</context>
<context>
    <name>ZorvelSettings</name>
    <message>
        <source>The settings file “%1” is not a regular file, so Zorvel neither reads nor keeps its settings there.</source>
        <translation type="unfinished">ملف الإعدادات «%1» ليس ملفًا عاديًا، فلا يقرأ زورفل إعداداته منه ولا يحفظها فيه.</translation>
    </message>
    <message>
        <source>The settings could not be kept in “%1”: its folder cannot be written, or the disk is full.</source>
        <translation type="unfinished">تعذّر حفظ الإعدادات في «%1»: لا يمكن الكتابة في مجلده، أو القرص ممتلئ.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Zorvel</source>
        <translation type="unfinished">حول زورفل</translation>
    </message>
    <message>
        <source>by corvant</source>
        <translation type="unfinished">من corvant</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished">إ&amp;غلاق</translation>
    </message>
</context>
<context>
    <name>frmFind</name>
    <message>
        <source>&amp;Best matches first</source>
        <translation type="unfinished">الأ&amp;قرب أولًا</translation>
    </message>
    <message>
        <source>Find a passage</source>
        <translation type="unfinished">ابحث عن مقطع</translation>
    </message>
    <message>
        <source>Passages found</source>
        <translation type="unfinished">المقاطع الموجودة</translation>
    </message>
    <message>
        <source>&amp;Words to find (with or without their marks):</source>
        <translation type="unfinished">ال&amp;كلمات المبحوث عنها (بتشكيلها أو بدونه):</translation>
    </message>
    <message>
        <source>The words together and early first; otherwise in the list&apos;s order</source>
        <translation type="unfinished">المتجاورة والمبكرة أولًا؛ وإلا فبترتيب القائمة</translation>
    </message>
    <message>
        <source>&amp;Practise from it</source>
        <translation type="unfinished">&amp;تمرّن منه</translation>
    </message>
    <message>
        <source>No passage holds these words</source>
        <translation type="unfinished">لا يوجد مقطع فيه هذه الكلمات</translation>
    </message>
    <message>
        <source>1 passage</source>
        <translation type="unfinished">مقطع واحد</translation>
    </message>
    <message>
        <source>%1 passages</source>
        <translation type="unfinished">%1 مقطعًا</translation>
    </message>
    <message>
        <source>%1, %2 with the words together (%3)</source>
        <translation type="unfinished">%1، منها %2 فيها الكلمات متجاورة (%3)</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Pages</source>
        <translation type="unfinished">الصفحات</translation>
    </message>
    <message>
        <source>Read-me</source>
        <translation type="unfinished">اقرأني</translation>
    </message>
    <message>
        <source>Zorvel will speak the language chosen from its next start.</source>
        <translation type="unfinished">سيتحدث زورفل باللغة المختارة من تشغيله القادم.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished">اللغة</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished">الإعدادات</translation>
    </message>
    <message>
        <source>The practice history in “%1” cannot be used: %2.<byte value="xd"/>
Practice goes on; picks are not remembered until Zorvel starts again.</source>
        <translation type="unfinished">لا يمكن استعمال سجل التمرين في «%1»: %2.<byte value="xd"/>
يستمر التمرين، ولا تُحفظ الاختيارات حتى يُشغَّل زورفل من جديد.</translation>
    </message>
    <message>
        <source>Practice history</source>
        <translation type="unfinished">سجل التمرين</translation>
    </message>
    <message>
        <source>Lister</source>
        <translation type="unfinished">العارض</translation>
    </message>
    <message>
        <source>Tester</source>
        <translation type="unfinished">المختبِر</translation>
    </message>
    <message>
        <source>Readme/Help</source>
        <translation type="unfinished">اقرأني/مساعدة</translation>
    </message>
    <message>
        <source>ZV_Readme.htm</source>
        <extracomment>The read-me page&apos;s file in the program&apos;s folder; each language has its own.</extracomment>
        <translation type="unfinished">ZV_Readme_ar.htm</translation>
    </message>
</context>
<context>
    <name>frmNew</name>
    <message>
        <source>Read &amp;as:</source>
        <translation type="unfinished">اقرأه &amp;بترميز:</translation>
    </message>
    <message>
        <source>Your lists folder “%1” could not be made: %2.<byte value="xd"/>
Choose another folder you can write to.</source>
        <translation type="unfinished">تعذّر إنشاء مجلد قوائمك «%1»: %2.<byte value="xd"/>
اختر مجلدًا آخر تستطيع الكتابة فيه.</translation>
    </message>
    <message>
        <source>Save it in a folder you can write to</source>
        <translation type="unfinished">احفظها في مجلد تستطيع الكتابة فيه</translation>
    </message>
    <message>
        <source>, such as your own lists folder “%1”</source>
        <translation type="unfinished">، مثل مجلد قوائمك «%1»</translation>
    </message>
    <message>
        <source>The list could not be saved in the folder “%1”.<byte value="xd"/>
%2<byte value="xd"/>
%3. The text stays here.</source>
        <translation type="unfinished">تعذّر حفظ القائمة في المجلد «%1».<byte value="xd"/>
%2<byte value="xd"/>
%3. يبقى النص هنا.</translation>
    </message>
    <message>
        <source>The file “%1” is larger than %2 MB, more than a list can hold; it was not imported.</source>
        <translation type="unfinished">الملف «%1» أكبر من %2 م.ب، وهو أكثر مما تسعه قائمة؛ فلم يُستورد.</translation>
    </message>
    <message>
        <source>Some bytes of “%1” are not %2, so they show as “�”.<byte value="xd"/>
Choose the file&apos;s encoding under “Read as”.</source>
        <translation type="unfinished">بعض بايتات «%1» ليست بترميز %2، فتظهر «�».<byte value="xd"/>
اختر ترميز الملف من «اقرأه بترميز».</translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished">استيراد</translation>
    </message>
    <message>
        <source>New Zorvel File</source>
        <translation type="unfinished">ملف زورفل جديد</translation>
    </message>
    <message>
        <source>Enter the Items of Zorvel file (each entry in a new line)</source>
        <translation type="unfinished">اكتب بنود ملف زورفل (كل بند في سطر جديد)</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation type="unfinished">ا&amp;ستيراد...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished">&amp;حفظ</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished">إ&amp;غلاق</translation>
    </message>
    <message>
        <source>Create Zorvel File</source>
        <translation type="unfinished">إنشاء ملف زورفل</translation>
    </message>
    <message>
        <source>Zorvel (Arabic) files(*.zva)</source>
        <translation type="unfinished">ملفات زورفل (العربية) (*.zva)</translation>
    </message>
    <message>
        <source>Save error</source>
        <translation type="unfinished">خطأ في الحفظ</translation>
    </message>
    <message>
        <source>%1 already exists<byte value="xd"/>
Do you want to overwrite the file ? </source>
        <translation type="unfinished">%1 موجود من قبل<byte value="xd"/>
هل تريد الكتابة فوق الملف؟</translation>
    </message>
    <message>
        <source>Overwrite File ?</source>
        <translation type="unfinished">الكتابة فوق الملف؟</translation>
    </message>
    <message>
        <source>Import a Text File</source>
        <translation type="unfinished">استيراد ملف نصي</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation type="unfinished">ملفات نصية (*.txt);;كل الملفات (*)</translation>
    </message>
    <message>
        <source>The file “%1” could not be read.</source>
        <translation type="unfinished">تعذّرت قراءة الملف «%1».</translation>
    </message>
    <message>
        <source>Import error</source>
        <translation type="unfinished">خطأ في الاستيراد</translation>
    </message>
    <message>
        <source>Convert plain-text lists</source>
        <translation type="unfinished">تحويل القوائم النصية</translation>
    </message>
    <message>
        <source>Files not converted</source>
        <translation type="unfinished">ملفات لم تُحوَّل</translation>
    </message>
</context>
<context>
    <name>frmOpen</name>
    <message>
        <source>Lists</source>
        <translation type="unfinished">القوائم</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation type="unfinished">ت&amp;صفّح...</translation>
    </message>
    <message>
        <source>My lists</source>
        <translation type="unfinished">قوائمي</translation>
    </message>
    <message>
        <source>Open a Zorvel File</source>
        <translation type="unfinished">افتح ملف زورفل</translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished">فتح</translation>
    </message>
    <message>
        <source>Open in Word Mode</source>
        <translation type="unfinished">افتح في وضع الكلمات</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished">إلغاء</translation>
    </message>
    <message>
        <source>Zorvel (Arabic) files(*.zva)</source>
        <translation type="unfinished">ملفات زورفل (العربية) (*.zva)</translation>
    </message>
</context>
<context>
    <name>frmProgress</name>
    <message>
        <source>word</source>
        <translation type="unfinished">كلمات</translation>
    </message>
    <message>
        <source>line</source>
        <translation type="unfinished">أسطر</translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished">التاريخ</translation>
    </message>
    <message>
        <source>Range</source>
        <translation type="unfinished">النطاق</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation type="unfinished">الوضع</translation>
    </message>
    <message>
        <source>Right</source>
        <translation type="unfinished">صحيح</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation type="unfinished">خطأ</translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished">الوقت</translation>
    </message>
    <message>
        <source>Completed tests</source>
        <translation type="unfinished">الاختبارات المكتملة</translation>
    </message>
    <message>
        <source>Items most often missed</source>
        <translation type="unfinished">أكثر البنود خطأً</translation>
    </message>
    <message>
        <source>Choose one to practise from it:</source>
        <translation type="unfinished">اختر بندًا لتتمرّن منه:</translation>
    </message>
    <message>
        <source>Items most often &amp;missed</source>
        <translation type="unfinished">أكثر البنود &amp;خطأً</translation>
    </message>
    <message>
        <source>Passages &amp;taken for one another</source>
        <translation type="unfinished">مقاطع ا&amp;ختلطت عليك</translation>
    </message>
    <message>
        <source>Answers of each drill</source>
        <translation type="unfinished">إجابات كل تمرين</translation>
    </message>
    <message>
        <source>Drill</source>
        <translation type="unfinished">التمرين</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation type="unfinished">الإجابات</translation>
    </message>
    <message>
        <source>Again</source>
        <translation type="unfinished">أعِد</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation type="unfinished">صعب</translation>
    </message>
    <message>
        <source>Good</source>
        <translation type="unfinished">جيد</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation type="unfinished">سهل</translation>
    </message>
    <message>
        <source>&amp;Drills</source>
        <translation type="unfinished">ال&amp;تمارين</translation>
    </message>
    <message>
        <source>&amp;Practise from it</source>
        <translation type="unfinished">&amp;تمرّن منه</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation type="unfinished">ت&amp;صدير...</translation>
    </message>
    <message>
        <source>Write the memory of every entry to a CSV file</source>
        <translation type="unfinished">اكتب ذاكرة كل بند في ملف CSV</translation>
    </message>
    <message>
        <source>Every entry&apos;s chance of recall today (choose one to practise from it), and the entries due in the next 30 days:</source>
        <translation type="unfinished">احتمال استذكار كل بند اليوم (اختر بندًا لتتمرّن منه)، والبنود المستحقة في الثلاثين يومًا القادمة:</translation>
    </message>
    <message>
        <source>Choices on the Tester</source>
        <translation type="unfinished">الخيارات في المختبِر</translation>
    </message>
    <message>
        <source>Recall first on the Lister</source>
        <translation type="unfinished">الاستذكار أولًا في العارض</translation>
    </message>
    <message>
        <source>Written from memory</source>
        <translation type="unfinished">الكتابة من الذاكرة</translation>
    </message>
    <message>
        <source>Second halves chosen on the Tester</source>
        <translation type="unfinished">أشطار ثانية اختيرت في المختبِر</translation>
    </message>
    <message>
        <source>Second halves recalled on the Lister</source>
        <translation type="unfinished">أشطار ثانية استُذكرت في العارض</translation>
    </message>
    <message>
        <source>Progress: %1</source>
        <translation type="unfinished">التقدّم: %1</translation>
    </message>
    <message>
        <source>Tests of items %1 to %2</source>
        <translation type="unfinished">اختبارات البنود من %1 إلى %2</translation>
    </message>
    <message>
        <source>Test</source>
        <translation type="unfinished">الاختبار</translation>
    </message>
    <message>
        <source>Time taken (seconds)</source>
        <translation type="unfinished">الوقت المستغرق (ثوانٍ)</translation>
    </message>
    <message>
        <source>Wrong picks</source>
        <translation type="unfinished">الاختيارات الخاطئة</translation>
    </message>
    <message>
        <source>The chart cannot be shown: the module zorvel-chart could not be loaded (%1).</source>
        <translation type="unfinished">لا يمكن عرض الرسم: تعذّر تحميل الوحدة zorvel-chart (%1).</translation>
    </message>
    <message>
        <source>The chart cannot be shown: the module zorvel-chart is missing from this installation.</source>
        <translation type="unfinished">لا يمكن عرض الرسم: الوحدة zorvel-chart غير موجودة في هذا التثبيت.</translation>
    </message>
</context>
<context>
    <name>frmToday</name>
    <message>
        <source>Today</source>
        <translation type="unfinished">اليوم</translation>
    </message>
    <message>
        <source>What to revise today</source>
        <translation type="unfinished">ما تراجعه اليوم</translation>
    </message>
    <message>
        <source>List</source>
        <translation type="unfinished">القائمة</translation>
    </message>
    <message>
        <source>Passage</source>
        <translation type="unfinished">المقطع</translation>
    </message>
    <message>
        <source>Due</source>
        <translation type="unfinished">مستحق</translation>
    </message>
    <message>
        <source>Recall now</source>
        <translation type="unfinished">الاستذكار الآن</translation>
    </message>
    <message>
        <source>Overdue</source>
        <translation type="unfinished">متأخر</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation type="unfinished">الدقائق</translation>
    </message>
    <message>
        <source>&amp;Practise</source>
        <translation type="unfinished">&amp;تمرّن</translation>
    </message>
    <message>
        <source>An entry is due when its chance of recall falls below this</source>
        <translation type="unfinished">يستحق البند المراجعة إذا نزل احتمال استذكاره عن هذا</translation>
    </message>
    <message>
        <source> entries</source>
        <translation type="unfinished"> بنود</translation>
    </message>
    <message>
        <source>the Tester</source>
        <translation type="unfinished">المختبِر</translation>
    </message>
    <message>
        <source>the Lister, recalling first</source>
        <translation type="unfinished">العارض، بالاستذكار أولًا</translation>
    </message>
    <message>
        <source>Show Today when Zorvel &amp;starts</source>
        <translation type="unfinished">اعرض «اليوم» عند &amp;تشغيل زورفل</translation>
    </message>
    <message>
        <source>Desired &amp;retention:</source>
        <translation type="unfinished">ال&amp;حفظ المنشود:</translation>
    </message>
    <message>
        <source>&amp;Longest passage:</source>
        <translation type="unfinished">أ&amp;طول مقطع:</translation>
    </message>
    <message>
        <source>&amp;New entries a day:</source>
        <translation type="unfinished">البنود ال&amp;جديدة في اليوم:</translation>
    </message>
    <message>
        <source>Practise &amp;with:</source>
        <translation type="unfinished">تمرّن &amp;بـ:</translation>
    </message>
    <message>
        <source>%1 (words)</source>
        <translation type="unfinished">%1 (كلمات)</translation>
    </message>
    <message>
        <source>Next to learn: %1</source>
        <translation type="unfinished">التالي للحفظ: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation type="unfinished">
            <numerusform>%n يوم</numerusform>
            <numerusform>يوم واحد</numerusform>
            <numerusform>يومان</numerusform>
            <numerusform>%n أيام</numerusform>
            <numerusform>%n يومًا</numerusform>
            <numerusform>%n يوم</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmUnkept</name>
    <message>
        <source>Characters that cannot be kept</source>
        <translation type="unfinished">محارف لا يمكن حفظها</translation>
    </message>
    <message>
        <source>A list file cannot keep these characters. Type what should stand in the place of each, or leave it empty to drop it.</source>
        <translation type="unfinished">لا يستطيع ملف القائمة حفظ هذه المحارف. اكتب ما يحلّ محلّ كل منها، أو اتركه فارغًا لحذفه.</translation>
    </message>
    <message>
        <source>(dropped)</source>
        <translation type="unfinished">(محذوف)</translation>
    </message>
    <message>
        <source>A list cannot keep %1 either: type another text.</source>
        <translation type="unfinished">ولا تستطيع القائمة حفظ %1 أيضًا: اكتب نصًا آخر.</translation>
    </message>
</context>
<context>
    <name>frmWrite</name>
    <message>
        <source>Write from Memory</source>
        <translation type="unfinished">اكتب من الذاكرة</translation>
    </message>
    <message>
        <source>The entries before</source>
        <translation type="unfinished">البنود السابقة</translation>
    </message>
    <message>
        <source>The entry, written from memory</source>
        <translation type="unfinished">البند مكتوبًا من الذاكرة</translation>
    </message>
    <message>
        <source>The entry checked</source>
        <translation type="unfinished">البند بعد التدقيق</translation>
    </message>
    <message>
        <source>Struck through: what the entry does not have. Underlined: the entry&apos;s word. In brackets: a word left out.</source>
        <translation type="unfinished">المشطوب: ما ليس في البند. المسطّر: كلمة البند. بين قوسين: كلمة سقطت.</translation>
    </message>
    <message>
        <source>&amp;Marks too</source>
        <translation type="unfinished">و&amp;التشكيل أيضًا</translation>
    </message>
    <message>
        <source>Compare the vowels, shadda and sukun of every word as well</source>
        <translation type="unfinished">قارن حركات كل كلمة وشدّتها وسكونها أيضًا</translation>
    </message>
    <message>
        <source>Write %1 from memory (%2 of %3), then press Enter.</source>
        <translation type="unfinished">اكتب %1 من الذاكرة (%2 من %3)، ثم اضغط Enter.</translation>
    </message>
    <message>
        <source>Open a list to write its entries from memory.</source>
        <translation type="unfinished">افتح قائمة لتكتب بنودها من الذاكرة.</translation>
    </message>
    <message>
        <source>Enter: check</source>
        <translation type="unfinished">Enter: دقّق</translation>
    </message>
    <message>
        <source>(The start of the list)</source>
        <translation type="unfinished">(بداية القائمة)</translation>
    </message>
    <message>
        <source>Good: every word right.</source>
        <translation type="unfinished">جيد: كل الكلمات صحيحة.</translation>
    </message>
    <message>
        <source>Hard: one word to mend.</source>
        <translation type="unfinished">صعب: كلمة واحدة تحتاج إلى تصحيح.</translation>
    </message>
    <message>
        <source>Again: %1 words to mend.</source>
        <translation type="unfinished">أعِد: %1 كلمات تحتاج إلى تصحيح.</translation>
    </message>
    <message>
        <source>Enter: the next entry</source>
        <translation type="unfinished">Enter: البند التالي</translation>
    </message>
</context>
<context>
    <name>listfile</name>
    <message>
        <source>The list file %1 could not be opened: %2.</source>
        <translation type="unfinished">تعذّر فتح ملف القائمة %1: %2.</translation>
    </message>
    <message>
        <source>The list file %1 could not be read: %2.</source>
        <translation type="unfinished">تعذّرت قراءة ملف القائمة %1: %2.</translation>
    </message>
    <message>
        <source>The list file %1 could not be written: %2. Any file that was there is unchanged.</source>
        <translation type="unfinished">تعذّرت كتابة ملف القائمة %1: %2. لم يتغيّر أي ملف كان هناك.</translation>
    </message>
    <message>
        <source>The list file %1 is damaged or is not a list file: the value at character %2 is out of range.</source>
        <translation type="unfinished">ملف القائمة %1 تالف أو ليس ملف قائمة: القيمة عند المحرف %2 خارج المدى.</translation>
    </message>
    <message>
        <source>The file %1 is larger than %2 MB, which no list is; it was not opened.</source>
        <translation type="unfinished">الملف %1 أكبر من %2 م.ب، ولا تبلغ قائمة هذا الحجم؛ فلم يُفتح.</translation>
    </message>
    <message>
        <source>The list %1 would be larger than %2 MB, which Zorvel cannot open; it was not written. Make it into several lists.</source>
        <translation type="unfinished">ستكون القائمة %1 أكبر من %2 م.ب، ولا يستطيع زورفل فتحها؛ فلم تُكتب. اجعلها عدة قوائم.</translation>
    </message>
    <message>
        <source>once</source>
        <translation type="unfinished">مرة واحدة</translation>
    </message>
    <message>
        <source>%1 times</source>
        <translation type="unfinished">%1 مرات</translation>
    </message>
    <message>
        <source>U+%1%2: %3, first on line %4</source>
        <translation type="unfinished">U+%1%2: %3، أول ظهور في السطر %4</translation>
    </message>
</context>
<context>
    <name>listing</name>
    <message>
        <source>Quick List</source>
        <translation type="unfinished">عرض سريع</translation>
    </message>
    <message>
        <source>0.5 sec</source>
        <translation type="unfinished">0.5 ث</translation>
    </message>
    <message>
        <source>1 sec</source>
        <translation type="unfinished">1 ث</translation>
    </message>
    <message>
        <source>1.5 sec</source>
        <translation type="unfinished">1.5 ث</translation>
    </message>
    <message>
        <source>2 sec</source>
        <translation type="unfinished">2 ث</translation>
    </message>
    <message>
        <source>2.5 sec</source>
        <translation type="unfinished">2.5 ث</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation type="unfinished">يدوي</translation>
    </message>
</context>
<context>
    <name>listloader</name>
    <message>
        <source>The name “%1” is not valid in the system’s encoding (UTF-8), so the file cannot be opened. Rename the file, then open it again.</source>
        <translation type="unfinished">الاسم «%1» غير صالح في ترميز النظام (UTF-8)، فلا يمكن فتح الملف. غيّر اسم الملف ثم افتحه من جديد.</translation>
    </message>
    <message>
        <source>“%1” is a folder, not a list file.</source>
        <translation type="unfinished">«%1» مجلد وليس ملف قائمة.</translation>
    </message>
    <message>
        <source>“%1” is not a list file: it is not a regular file but a device, a pipe or a socket.</source>
        <translation type="unfinished">«%1» ليس ملف قائمة: ليس ملفًا عاديًا بل جهاز أو أنبوب أو مقبس.</translation>
    </message>
    <message>
        <source>The list “%1” holds no words, so it cannot be opened in word mode.</source>
        <translation type="unfinished">القائمة «%1» لا تحوي كلمات، فلا يمكن فتحها في وضع الكلمات.</translation>
    </message>
    <message>
        <source>The list “%1” has no entries, so there is nothing to practise.</source>
        <translation type="unfinished">القائمة «%1» ليس فيها بنود، فلا شيء للتمرين.</translation>
    </message>
</context>
<context>
    <name>listmessages</name>
    <message>
        <source>No Item was selected for opening. Expand the tree in the Open window and choose an item before clicking open button</source>
        <translation type="unfinished">لم يُختر شيء لفتحه. وسّع الشجرة في نافذة الفتح واختر بندًا قبل الضغط على زر الفتح</translation>
    </message>
    <message>
        <source>No item selected</source>
        <translation type="unfinished">لم يُختر شيء</translation>
    </message>
    <message>
        <source>Open a Zorvel file from File-&gt;Open menu</source>
        <translation type="unfinished">افتح ملف زورفل من قائمة ملف ← فتح</translation>
    </message>
    <message>
        <source>No Zorvel file opened</source>
        <translation type="unfinished">لم يُفتح ملف زورفل</translation>
    </message>
</context>
<context>
    <name>saveAtomically</name>
    <message>
        <source>not all of it could be written; the disk may be full</source>
        <translation type="unfinished">تعذّرت كتابته كله؛ لعل القرص ممتلئ</translation>
    </message>
</context>
<context>
    <name>testing</name>
    <message>
        <source> sec</source>
        <translation type="unfinished"> ث</translation>
    </message>
    <message>
        <source>------ Select Next ------------</source>
        <translation type="unfinished">------ اختر التالي ------------</translation>
    </message>
    <message>
        <source>--- TEST COMPLETE ---</source>
        <translation type="unfinished">--- اكتمل الاختبار ---</translation>
    </message>
    <message>
        <source> hr : </source>
        <translation type="unfinished"> س : </translation>
    </message>
    <message>
        <source> min : </source>
        <translation type="unfinished"> د : </translation>
    </message>
</context>
</TS>
