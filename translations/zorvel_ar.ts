<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>ConfusionsView</name>
    <message>
        <source>Practise the pa&amp;ir</source>
        <translation>تمرّن على الز&amp;وج</translation>
    </message>
    <message>
        <source>Passages taken for one another</source>
        <translation>مقاطع اختلطت عليك</translation>
    </message>
    <message>
        <source>The pair side by side</source>
        <translation>الزوج جنبًا إلى جنب</translation>
    </message>
    <message>
        <source>Test a few entries around each passage of the pair in turn</source>
        <translation>اختبر بضعة بنود حول كل مقطع من الزوج بالتناوب</translation>
    </message>
    <message>
        <source>The pairs, the words that tell them apart marked:</source>
        <translation>الأزواج، وقد عُلّمت الكلمات التي تفرّق بينها:</translation>
    </message>
</context>
<context>
    <name>DivisionsView</name>
    <message>
        <source>Kind of division</source>
        <translation>نوع القسمة</translation>
    </message>
    <message>
        <source>Strength of each division</source>
        <translation>قوة كل قسم</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>القسم</translation>
    </message>
    <message>
        <source>Practised</source>
        <translation>ما تمرّنت عليه</translation>
    </message>
    <message>
        <source>Recall today</source>
        <translation>الاستذكار اليوم</translation>
    </message>
    <message>
        <source>Due within 7 days</source>
        <translation>المستحق خلال أسبوع</translation>
    </message>
    <message>
        <source>Weakest</source>
        <translation>الأضعف</translation>
    </message>
    <message>
        <source>Double-click a division to practise it whole</source>
        <translation>انقر مرتين على قسم لتتمرّن عليه كاملًا</translation>
    </message>
</context>
<context>
    <name>DueBars</name>
    <message>
        <source>Entries due in the coming days</source>
        <translation>البنود المستحقة في الأيام القادمة</translation>
    </message>
    <message>
        <source>Today and the next days: %1</source>
        <translation>اليوم والأيام التالية: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n due today</source>
        <translation>
            <numerusform>لا شيء مستحق اليوم</numerusform>
            <numerusform>بند واحد مستحق اليوم</numerusform>
            <numerusform>بندان مستحقان اليوم</numerusform>
            <numerusform>%Ln بنود مستحقة اليوم</numerusform>
            <numerusform>%Ln بندًا مستحقًا اليوم</numerusform>
            <numerusform>%Ln بند مستحق اليوم</numerusform>
        </translation>
    </message>
    <message>
        <source>today</source>
        <translation>اليوم</translation>
    </message>
</context>
<context>
    <name>ListTreeModel</name>
    <message>
        <source>Lists</source>
        <translation>القوائم</translation>
    </message>
</context>
<context>
    <name>ListerPage</name>
    <message>
        <source>Re&amp;call first</source>
        <translation>الاستذكار &amp;أولًا</translation>
    </message>
    <message>
        <source>Show each entry&apos;s start first, and the whole at the next step</source>
        <translation>اعرض بداية كل بند أولًا، ثم البند كاملًا في الخطوة التالية</translation>
    </message>
    <message>
        <source>First word</source>
        <translation>الكلمة الأولى</translation>
    </message>
    <message>
        <source>First letters</source>
        <translation>الحروف الأولى</translation>
    </message>
    <message>
        <source>A blank a word</source>
        <translation>فراغ لكل كلمة</translation>
    </message>
    <message>
        <source>What a prompt shows of the entry before it is revealed</source>
        <translation>ما يُعرض من البند قبل كشفه</translation>
    </message>
    <message>
        <source>How well did you recall it?
1 Again  2 Hard
3 Good  4 Easy</source>
        <translation>كيف كان استذكارك؟
1 أعِد  2 صعب
3 جيد  4 سهل</translation>
    </message>
    <message>
        <source>Space: the next word
Enter: the whole entry</source>
        <translation>المسافة: الكلمة التالية
البند كاملًا: Enter</translation>
    </message>
    <message>
        <source>Divider between the listed items and the complete text</source>
        <translation>الفاصل بين البنود المعروضة والنص الكامل</translation>
    </message>
    <message>
        <source>Listed items</source>
        <translation>البنود المعروضة</translation>
    </message>
    <message>
        <source>Complete text</source>
        <translation>النص الكامل</translation>
    </message>
    <message>
        <source>Listing speed</source>
        <translation>سرعة العرض</translation>
    </message>
    <message>
        <source>Recall cue</source>
        <translation>تلميح الاستذكار</translation>
    </message>
    <message>
        <source>&amp;Restart Listing</source>
        <translation>أعِد ال&amp;عرض</translation>
    </message>
    <message>
        <source>Restart on finish</source>
        <translation>أعِد عند الانتهاء</translation>
    </message>
    <message>
        <source>Listing Speed</source>
        <translation>سرعة العرض</translation>
    </message>
    <message>
        <source>&amp;List Next Item (Enter Key)</source>
        <translation>اعرض ال&amp;تالي (Enter)</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>Re&amp;citation</source>
        <translation>&amp;التلاوة</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;عرض</translation>
    </message>
    <message>
        <source>Arabic &amp;Font</source>
        <translation>ال&amp;خط العربي</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;تكبير</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>ت&amp;صغير</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>الحجم ال&amp;فعلي</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;بحث...</translation>
    </message>
    <message>
        <source>&amp;Progress...</source>
        <translation>ال&amp;تقدّم...</translation>
    </message>
    <message>
        <source>&amp;Today...</source>
        <translation>ال&amp;يوم...</translation>
    </message>
    <message>
        <source>&amp;Write from Memory...</source>
        <translation>ا&amp;كتب من الذاكرة...</translation>
    </message>
    <message>
        <source>Ask the &amp;Second Half of a Bayt</source>
        <translation>اسأل عن ال&amp;شطر الثاني من البيت</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>ال&amp;لغة</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>لغة ال&amp;نظام</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;فتح</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;جديد</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>م&amp;ساعدة</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;حول</translation>
    </message>
    <message>
        <source>&amp;Recite a Passage...</source>
        <translation>&amp;سمِّع مقطعًا...</translation>
    </message>
    <message>
        <source>&amp;Share Practice...</source>
        <translation>&amp;شارك التمرين...</translation>
    </message>
    <message>
        <source>S&amp;top Sharing</source>
        <translation>&amp;توقّف عن المشاركة</translation>
    </message>
    <message>
        <source>Open &amp;Class...</source>
        <translation>افتح &amp;حلقة...</translation>
    </message>
</context>
<context>
    <name>RangeBar</name>
    <message>
        <source>&amp;Part</source>
        <translation>ال&amp;قسم</translation>
    </message>
    <message>
        <source>Practise a whole part</source>
        <translation>تمرّن على قسم كامل</translation>
    </message>
    <message>
        <source>From line</source>
        <translation>من السطر</translation>
    </message>
    <message>
        <source>To line</source>
        <translation>إلى السطر</translation>
    </message>
    <message>
        <source>Fr&amp;om</source>
        <translation>&amp;من</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>إ&amp;لى</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>اختر</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>ال&amp;كل</translation>
    </message>
    <message>
        <source>First &amp;5</source>
        <translation>أول &amp;5</translation>
    </message>
    <message>
        <source>First &amp;10</source>
        <translation>أول &amp;10</translation>
    </message>
    <message>
        <source>Select Previous Range</source>
        <translation>اختر النطاق السابق</translation>
    </message>
    <message>
        <source>Select Next Range</source>
        <translation>اختر النطاق التالي</translation>
    </message>
    <message>
        <source>FROM cannot be greater than TO</source>
        <translation>لا يصح أن تكون «من» بعد «إلى»</translation>
    </message>
    <message>
        <source>Invalid Selection</source>
        <translation>اختيار غير صالح</translation>
    </message>
</context>
<context>
    <name>SideWindows</name>
    <message>
        <source>Export the Memory of This List</source>
        <translation>تصدير ذاكرة هذه القائمة</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>ملفات CSV (*.csv)</translation>
    </message>
    <message>
        <source>The memory could not be written to “%1”: %2</source>
        <translation>تعذّرت كتابة الذاكرة في «%1»: %2</translation>
    </message>
</context>
<context>
    <name>StrengthMap</name>
    <message>
        <source>Strength of every entry</source>
        <translation>قوة كل بند</translation>
    </message>
    <message>
        <source>%1 of %2 entries practised, %3 recalled with 90 % or more</source>
        <translation>تمرّنت على %1 من %2 بندًا، و%3 منها تُستذكر بنسبة 90 % فأكثر</translation>
    </message>
    <message>
        <source>%1: never practised</source>
        <translation>%1: لم يُتمرَّن عليه قط</translation>
    </message>
    <message>
        <source>%1: recalled with %2 % today</source>
        <translation>%1: يُستذكر اليوم بنسبة %2 %</translation>
    </message>
</context>
<context>
    <name>TesterPage</name>
    <message>
        <source>Loo&amp;k-alike choices</source>
        <translation>خيارات م&amp;تشابهة</translation>
    </message>
    <message>
        <source>Offer a passage elsewhere that reads like the right one</source>
        <translation>اعرض مقطعًا من موضع آخر يشبه المقطع الصحيح</translation>
    </message>
    <message>
        <source>Mistakes</source>
        <translation>الأخطاء</translation>
    </message>
    <message>
        <source>Recalled items</source>
        <translation>البنود المستذكَرة</translation>
    </message>
    <message>
        <source>Choices</source>
        <translation>الخيارات</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>الحكم</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>صحيح</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>خطأ</translation>
    </message>
    <message>
        <source>Time Taken</source>
        <translation>الوقت المستغرق</translation>
    </message>
    <message>
        <source>Wrong: that was %1</source>
        <translation>خطأ: ذلك %1</translation>
    </message>
    <message>
        <source>&amp;Restart Test</source>
        <translation>أعِد الا&amp;ختبار</translation>
    </message>
</context>
<context>
    <name>ZorvelSettings</name>
    <message>
        <source>The settings file “%1” is not a regular file, so Zorvel neither reads nor keeps its settings there.</source>
        <translation>ملف الإعدادات «%1» ليس ملفًا عاديًا، فلا يقرأ زورفل إعداداته منه ولا يحفظها فيه.</translation>
    </message>
    <message>
        <source>The settings could not be kept in “%1”: its folder cannot be written, or the disk is full.</source>
        <translation>تعذّر حفظ الإعدادات في «%1»: لا يمكن الكتابة في مجلده، أو القرص ممتلئ.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Zorvel</source>
        <translation>حول زورفل</translation>
    </message>
    <message>
        <source>by corvant</source>
        <translation>من corvant</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>إ&amp;غلاق</translation>
    </message>
</context>
<context>
    <name>FindWindow</name>
    <message>
        <source>&amp;Best matches first</source>
        <translation>الأ&amp;قرب أولًا</translation>
    </message>
    <message>
        <source>Find a passage</source>
        <translation>ابحث عن مقطع</translation>
    </message>
    <message>
        <source>Passages found</source>
        <translation>المقاطع الموجودة</translation>
    </message>
    <message>
        <source>&amp;Words to find (with or without their marks):</source>
        <translation>ال&amp;كلمات المبحوث عنها (بتشكيلها أو بدونه):</translation>
    </message>
    <message>
        <source>The words together and early first; otherwise in the list&apos;s order</source>
        <translation>المتجاورة والمبكرة أولًا؛ وإلا فبترتيب القائمة</translation>
    </message>
    <message>
        <source>&amp;Practise from it</source>
        <translation>&amp;تمرّن منه</translation>
    </message>
    <message>
        <source>No passage holds these words</source>
        <translation>لا يوجد مقطع فيه هذه الكلمات</translation>
    </message>
    <message>
        <source>1 passage</source>
        <translation>مقطع واحد</translation>
    </message>
    <message>
        <source>%1 passages</source>
        <translation>%1 مقطعًا</translation>
    </message>
    <message>
        <source>%1, %2 with the words together (%3)</source>
        <translation>%1، منها %2 فيها الكلمات متجاورة (%3)</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Pages</source>
        <translation>الصفحات</translation>
    </message>
    <message>
        <source>Read-me</source>
        <translation>اقرأني</translation>
    </message>
    <message>
        <source>Zorvel will speak the language chosen from its next start.</source>
        <translation>سيتحدث زورفل باللغة المختارة من تشغيله القادم.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>اللغة</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>Lister</source>
        <translation>العارض</translation>
    </message>
    <message>
        <source>Tester</source>
        <translation>المختبِر</translation>
    </message>
    <message>
        <source>Readme/Help</source>
        <translation>اقرأني/مساعدة</translation>
    </message>
    <message>
        <source>ZV_Readme.htm</source>
        <extracomment>The read-me page&apos;s file in the program&apos;s folder; each language has its own.</extracomment>
        <translation>ZV_Readme_ar.htm</translation>
    </message>
</context>
<context>
    <name>frmNew</name>
    <message>
        <source>This text is in the chapter|verse|text form of Quran files. Name its surahs and mark the pages, juz, hizb quarters and manzils as the Madani mushaf has them?</source>
        <translation>هذا النص على صيغة «سورة|آية|نص» التي تأتي بها ملفات القرآن. أأسمّي سوره وأعلّم صفحاته وأجزاءه وأرباع أحزابه ومنازله كما هي في المصحف المدني؟</translation>
    </message>
    <message>
        <source>Read &amp;as:</source>
        <translation>اقرأه &amp;بترميز:</translation>
    </message>
    <message>
        <source>Your lists folder “%1” could not be made: %2.<byte value="xd"/>
Choose another folder you can write to.</source>
        <translation>تعذّر إنشاء مجلد قوائمك «%1»: %2.<byte value="xd"/>
اختر مجلدًا آخر تستطيع الكتابة فيه.</translation>
    </message>
    <message>
        <source>Save it in a folder you can write to</source>
        <translation>احفظها في مجلد تستطيع الكتابة فيه</translation>
    </message>
    <message>
        <source>, such as your own lists folder “%1”</source>
        <translation>، مثل مجلد قوائمك «%1»</translation>
    </message>
    <message>
        <source>The list could not be saved in the folder “%1”.<byte value="xd"/>
%2<byte value="xd"/>
%3. The text stays here.</source>
        <translation>تعذّر حفظ القائمة في المجلد «%1».<byte value="xd"/>
%2<byte value="xd"/>
%3. يبقى النص هنا.</translation>
    </message>
    <message>
        <source>The file “%1” is larger than %2 MB, more than a list can hold; it was not imported.</source>
        <translation>الملف «%1» أكبر من %2 م.ب، وهو أكثر مما تسعه قائمة؛ فلم يُستورد.</translation>
    </message>
    <message>
        <source>Some bytes of “%1” are not %2, so they show as “�”.<byte value="xd"/>
Choose the file&apos;s encoding under “Read as”.</source>
        <translation>بعض بايتات «%1» ليست بترميز %2، فتظهر «�».<byte value="xd"/>
اختر ترميز الملف من «اقرأه بترميز».</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>استيراد</translation>
    </message>
    <message>
        <source>New Zorvel File</source>
        <translation>ملف زورفل جديد</translation>
    </message>
    <message>
        <source>Enter the Items of Zorvel file (each entry in a new line)</source>
        <translation>اكتب بنود ملف زورفل (كل بند في سطر جديد)</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>ا&amp;ستيراد...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;حفظ</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>إ&amp;غلاق</translation>
    </message>
    <message>
        <source>Create Zorvel File</source>
        <translation>إنشاء ملف زورفل</translation>
    </message>
    <message>
        <source>Zorvel (Arabic) files(*.zva)</source>
        <translation>ملفات زورفل (العربية) (*.zva)</translation>
    </message>
    <message>
        <source>Save error</source>
        <translation>خطأ في الحفظ</translation>
    </message>
    <message>
        <source>%1 already exists<byte value="xd"/>
Do you want to overwrite the file ? </source>
        <translation>%1 موجود من قبل<byte value="xd"/>
هل تريد الكتابة فوق الملف؟</translation>
    </message>
    <message>
        <source>Overwrite File ?</source>
        <translation>الكتابة فوق الملف؟</translation>
    </message>
    <message>
        <source>Import a Text File</source>
        <translation>استيراد ملف نصي</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>ملفات نصية (*.txt);;كل الملفات (*)</translation>
    </message>
    <message>
        <source>The file “%1” could not be read.</source>
        <translation>تعذّرت قراءة الملف «%1».</translation>
    </message>
    <message>
        <source>Import error</source>
        <translation>خطأ في الاستيراد</translation>
    </message>
    <message>
        <source>Convert plain-text lists</source>
        <translation>تحويل القوائم النصية</translation>
    </message>
    <message>
        <source>Files not converted</source>
        <translation>ملفات لم تُحوَّل</translation>
    </message>
</context>
<context>
    <name>frmOpen</name>
    <message>
        <source>Lists</source>
        <translation>القوائم</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>ت&amp;صفّح...</translation>
    </message>
    <message>
        <source>My lists</source>
        <translation>قوائمي</translation>
    </message>
    <message>
        <source>Open a Zorvel File</source>
        <translation>افتح ملف زورفل</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>Open in Word Mode</source>
        <translation>افتح في وضع الكلمات</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Zorvel (Arabic) files(*.zva)</source>
        <translation>ملفات زورفل (العربية) (*.zva)</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>&amp;Your memory</source>
        <translation>&amp;ذاكرتك</translation>
    </message>
    <message>
        <source>By di&amp;vision</source>
        <translation>&amp;بحسب الأقسام</translation>
    </message>
    <message>
        <source>The latest tests, of any range</source>
        <translation>آخر الاختبارات، من أي نطاق</translation>
    </message>
    <message>
        <source>word</source>
        <translation>كلمات</translation>
    </message>
    <message>
        <source>line</source>
        <translation>أسطر</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>النطاق</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>الوضع</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>صحيح</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>خطأ</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>الوقت</translation>
    </message>
    <message>
        <source>Completed tests</source>
        <translation>الاختبارات المكتملة</translation>
    </message>
    <message>
        <source>Items most often missed</source>
        <translation>أكثر البنود خطأً</translation>
    </message>
    <message>
        <source>Choose one to practise from it:</source>
        <translation>اختر بندًا لتتمرّن منه:</translation>
    </message>
    <message>
        <source>Items most often &amp;missed</source>
        <translation>أكثر البنود &amp;خطأً</translation>
    </message>
    <message>
        <source>Passages &amp;taken for one another</source>
        <translation>&amp;مقاطع اختلطت عليك</translation>
    </message>
    <message>
        <source>Answers of each drill</source>
        <translation>إجابات كل تمرين</translation>
    </message>
    <message>
        <source>Drill</source>
        <translation>التمرين</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>الإجابات</translation>
    </message>
    <message>
        <source>Again</source>
        <translation>أعِد</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>صعب</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>جيد</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>سهل</translation>
    </message>
    <message>
        <source>&amp;Drills</source>
        <translation>&amp;التمارين</translation>
    </message>
    <message>
        <source>&amp;Practise from it</source>
        <translation>&amp;تمرّن منه</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>ت&amp;صدير...</translation>
    </message>
    <message>
        <source>Write the memory of every entry to a CSV file</source>
        <translation>اكتب ذاكرة كل بند في ملف CSV</translation>
    </message>
    <message>
        <source>Every entry&apos;s chance of recall today (choose one to practise from it), and the entries due in the next 30 days:</source>
        <translation>احتمال استذكار كل بند اليوم (اختر بندًا لتتمرّن منه)، والبنود المستحقة في الثلاثين يومًا القادمة:</translation>
    </message>
    <message>
        <source>Choices on the Tester</source>
        <translation>الخيارات في المختبِر</translation>
    </message>
    <message>
        <source>Recall first on the Lister</source>
        <translation>الاستذكار أولًا في العارض</translation>
    </message>
    <message>
        <source>Written from memory</source>
        <translation>الكتابة من الذاكرة</translation>
    </message>
    <message>
        <source>Second halves chosen on the Tester</source>
        <translation>أشطار ثانية اختيرت في المختبِر</translation>
    </message>
    <message>
        <source>Second halves recalled on the Lister</source>
        <translation>أشطار ثانية استُذكرت في العارض</translation>
    </message>
    <message>
        <source>Recited aloud and marked</source>
        <translation>تُليت غيبًا ورُصدت أخطاؤها</translation>
    </message>
    <message>
        <source>Progress: %1</source>
        <translation>التقدّم: %1</translation>
    </message>
    <message>
        <source>Tests of items %1 to %2</source>
        <translation>اختبارات البنود من %1 إلى %2</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>الاختبار</translation>
    </message>
    <message>
        <source>Time taken (seconds)</source>
        <translation>الوقت المستغرق (ثوانٍ)</translation>
    </message>
    <message>
        <source>Wrong picks</source>
        <translation>الاختيارات الخاطئة</translation>
    </message>
    <message>
        <source>The chart cannot be shown: the module zorvel-chart could not be loaded (%1).</source>
        <translation>لا يمكن عرض الرسم: تعذّر تحميل الوحدة zorvel-chart (%1).</translation>
    </message>
    <message>
        <source>The chart cannot be shown: the module zorvel-chart is missing from this installation.</source>
        <translation>لا يمكن عرض الرسم: الوحدة zorvel-chart غير موجودة في هذا التثبيت.</translation>
    </message>
    <message>
        <source>Recited &amp;aloud</source>
        <translation>&amp;سُمِّع غيبًا</translation>
    </message>
    <message>
        <source>&amp;Recite the Range...</source>
        <translation>&amp;قراءة النطاق غيبًا...</translation>
    </message>
</context>
<context>
    <name>Recitation</name>
    <message>
        <source>Recitation cannot be played: the module zorvel-player is missing from this installation.</source>
        <translation>لا يمكن تشغيل التلاوة: الوحدة zorvel-player غير موجودة في هذا التثبيت.</translation>
    </message>
    <message>
        <source>Recitation cannot be played: the module zorvel-player could not be loaded (%1).</source>
        <translation>لا يمكن تشغيل التلاوة: تعذّر تحميل الوحدة zorvel-player (%1).</translation>
    </message>
    <message>
        <source>%1 could not be played (%2); the listing goes on.</source>
        <translation>تعذّر تشغيل %1 (%2)؛ ويمضي العرض.</translation>
    </message>
    <message>
        <source>The recitation folder %1 is no longer there: the entries are silent until it is chosen again.</source>
        <translation>لم يعد مجلد التلاوة %1 موجودًا: تبقى البنود صامتة حتى يُختار من جديد.</translation>
    </message>
    <message>
        <source>No file in the recitation folder %1 belongs to an entry of this list: Zorvel looks for %2.</source>
        <translation>لا ملف في مجلد التلاوة %1 يخصّ بندًا من هذه القائمة: يبحث زورفل عن %2.</translation>
    </message>
    <message>
        <source>%1, %L2 of %L3</source>
        <translation>%1، %L2 من %L3</translation>
    </message>
</context>
<context>
    <name>RecitationMenu</name>
    <message>
        <source>No</source>
        <translation>لا</translation>
    </message>
    <message>
        <source>Before the Next Choices</source>
        <translation>قبل الخيارات التالية</translation>
    </message>
    <message>
        <source>With the Next Choices</source>
        <translation>مع الخيارات التالية</translation>
    </message>
    <message>
        <source>Play the &amp;Answer on the Tester</source>
        <translation>&amp;شغّل الجواب في المختبِر</translation>
    </message>
    <message>
        <source>&amp;Recite</source>
        <translation>&amp;رتّل</translation>
    </message>
    <message>
        <source>Recitation &amp;Folder...</source>
        <translation>&amp;مجلد التلاوة...</translation>
    </message>
    <message>
        <source>Repeat &amp;Each</source>
        <translation>&amp;كرّر كل بند</translation>
    </message>
    <message>
        <source>Repeat the Ran&amp;ge</source>
        <translation>كرّر &amp;النطاق</translation>
    </message>
    <message>
        <source>Without End</source>
        <translation>بلا نهاية</translation>
    </message>
    <message>
        <source>&amp;Gap After Each</source>
        <translation>&amp;مهلة بعد كل تلاوة</translation>
    </message>
    <message>
        <source>None</source>
        <translation>بلا مهلة</translation>
    </message>
    <message>
        <source>As Long as the Entry</source>
        <translation>بطول البند</translation>
    </message>
    <message>
        <source>Twice as Long</source>
        <translation>بضعف طوله</translation>
    </message>
    <message>
        <source>Playing &amp;Speed</source>
        <translation>&amp;سرعة التشغيل</translation>
    </message>
    <message>
        <source>&amp;Play or Pause</source>
        <translation>&amp;شغّل أو أوقف مؤقتًا</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;أوقف</translation>
    </message>
    <message>
        <source>Recitation</source>
        <translation>التلاوة</translation>
    </message>
    <message>
        <source>Recitation Folder</source>
        <translation>مجلد التلاوة</translation>
    </message>
</context>
<context>
    <name>TodayWindow</name>
    <message>
        <source>Over the next %1 days, from your memory:</source>
        <translation>خلال الأيام الـ%1 القادمة، من ذاكرتك:</translation>
    </message>
    <message>
        <source>What each desired retention costs</source>
        <translation>كلفة كل نسبة حفظ منشودة</translation>
    </message>
    <message>
        <source>Retention</source>
        <translation>الحفظ</translation>
    </message>
    <message>
        <source>Reviews a day</source>
        <translation>مراجعات في اليوم</translation>
    </message>
    <message>
        <source>Recalled</source>
        <translation>المُستحضَر</translation>
    </message>
    <message>
        <source>The share of what you have memorised you would recall on a random day</source>
        <translation>نسبة ما حفظته مما ستستحضره في يوم عشوائي</translation>
    </message>
    <message>
        <source>%1 % (chosen)</source>
        <translation>%1 % (المختار)</translation>
    </message>
    <message>
        <source>&amp;Listen</source>
        <translation>&amp;استمع</translation>
    </message>
    <message>
        <source>no cycle</source>
        <translation>بلا دورة</translation>
    </message>
    <message>
        <source>every page learnt</source>
        <translation>كل صفحة محفوظة</translation>
    </message>
    <message>
        <source>every quarter learnt</source>
        <translation>كل ربع محفوظ</translation>
    </message>
    <message>
        <source>every juz learnt</source>
        <translation>كل جزء محفوظ</translation>
    </message>
    <message>
        <source> days</source>
        <translation> يومًا</translation>
    </message>
    <message>
        <source>Revise in a &amp;cycle:</source>
        <translation>راجع في &amp;دورة:</translation>
    </message>
    <message>
        <source>At least once e&amp;very:</source>
        <translation>&amp;مرة على الأقل كل:</translation>
    </message>
    <message>
        <source>In the cycle: %1</source>
        <translation>في الدورة: %1</translation>
    </message>
    <message>
        <source>as many entries as above</source>
        <translation>بنودًا بالعدد الذي فوق</translation>
    </message>
    <message>
        <source>a page</source>
        <translation>صفحة</translation>
    </message>
    <message>
        <source>half a page</source>
        <translation>نصف صفحة</translation>
    </message>
    <message>
        <source>In lists with pages, what to learn each day</source>
        <translation>في القوائم ذات الصفحات: ما تحفظه كل يوم</translation>
    </message>
    <message>
        <source>Learn &amp;each day:</source>
        <translation>&amp;احفظ كل يوم:</translation>
    </message>
    <message>
        <source>the entries due</source>
        <translation>البنود المستحقة</translation>
    </message>
    <message>
        <source>whole pages</source>
        <translation>صفحات كاملة</translation>
    </message>
    <message>
        <source>whole quarters</source>
        <translation>أرباعًا كاملة</translation>
    </message>
    <message>
        <source>In lists with pages or quarters, an entry due brings what you have learnt of its page or quarter</source>
        <translation>في القوائم ذات الصفحات أو الأرباع يأتي البند المستحق بما حفظته من صفحته أو ربعه</translation>
    </message>
    <message>
        <source>Re&amp;vise:</source>
        <translation>&amp;راجع:</translation>
    </message>
    <message>
        <source>Pages or &amp;quarters a day, at most:</source>
        <translation>&amp;صفحات أو أرباع في اليوم، على الأكثر:</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>اليوم</translation>
    </message>
    <message>
        <source>What to revise today</source>
        <translation>ما تراجعه اليوم</translation>
    </message>
    <message>
        <source>List</source>
        <translation>القائمة</translation>
    </message>
    <message>
        <source>Passage</source>
        <translation>المقطع</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>مستحق</translation>
    </message>
    <message>
        <source>Recall now</source>
        <translation>الاستذكار الآن</translation>
    </message>
    <message>
        <source>Overdue</source>
        <translation>متأخر</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>الدقائق</translation>
    </message>
    <message>
        <source>&amp;Practise</source>
        <translation>&amp;تمرّن</translation>
    </message>
    <message>
        <source>An entry is due when its chance of recall falls below this</source>
        <translation>يستحق البند المراجعة إذا نزل احتمال استذكاره عن هذا</translation>
    </message>
    <message>
        <source> entries</source>
        <translation> بنود</translation>
    </message>
    <message>
        <source>the Tester</source>
        <translation>المختبِر</translation>
    </message>
    <message>
        <source>the Lister, recalling first</source>
        <translation>العارض، بالاستذكار أولًا</translation>
    </message>
    <message>
        <source>Show Today when Zorvel &amp;starts</source>
        <translation>اعرض «اليوم» عند &amp;تشغيل زورفل</translation>
    </message>
    <message>
        <source>Desired &amp;retention:</source>
        <translation>ال&amp;حفظ المنشود:</translation>
    </message>
    <message>
        <source>&amp;Longest passage:</source>
        <translation>أ&amp;طول مقطع:</translation>
    </message>
    <message>
        <source>&amp;New entries a day:</source>
        <translation>البنود ال&amp;جديدة في اليوم:</translation>
    </message>
    <message>
        <source>Practise &amp;with:</source>
        <translation>تمرّن &amp;بـ:</translation>
    </message>
    <message>
        <source>%1 (words)</source>
        <translation>%1 (كلمات)</translation>
    </message>
    <message>
        <source>Next to learn: %1</source>
        <translation>التالي للحفظ: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%Ln يوم</numerusform>
            <numerusform>يوم واحد</numerusform>
            <numerusform>يومان</numerusform>
            <numerusform>%Ln أيام</numerusform>
            <numerusform>%Ln يومًا</numerusform>
            <numerusform>%Ln يوم</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Recite...</source>
        <translation>&amp;سمِّع...</translation>
    </message>
</context>
<context>
    <name>UnkeptWindow</name>
    <message>
        <source>Characters that cannot be kept</source>
        <translation>محارف لا يمكن حفظها</translation>
    </message>
    <message>
        <source>A list file cannot keep these characters. Type what should stand in the place of each, or leave it empty to drop it.</source>
        <translation>لا يستطيع ملف القائمة حفظ هذه المحارف. اكتب ما يحلّ محلّ كل منها، أو اتركه فارغًا لحذفه.</translation>
    </message>
    <message>
        <source>(dropped)</source>
        <translation>(محذوف)</translation>
    </message>
    <message>
        <source>A list cannot keep %1 either: type another text.</source>
        <translation>ولا تستطيع القائمة حفظ %1 أيضًا: اكتب نصًا آخر.</translation>
    </message>
</context>
<context>
    <name>WriteWindow</name>
    <message>
        <source>&amp;Listen</source>
        <translation>&amp;استمع</translation>
    </message>
    <message>
        <source>Cut at %1 characters: no entry needs more.</source>
        <translation>قُطع عند %1 حرفًا: لا يحتاج بند أكثر من ذلك.</translation>
    </message>
    <message>
        <source>Write from Memory</source>
        <translation>اكتب من الذاكرة</translation>
    </message>
    <message>
        <source>The entries before</source>
        <translation>البنود السابقة</translation>
    </message>
    <message>
        <source>The entry, written from memory</source>
        <translation>البند مكتوبًا من الذاكرة</translation>
    </message>
    <message>
        <source>The entry checked</source>
        <translation>البند بعد التدقيق</translation>
    </message>
    <message>
        <source>Struck through: what the entry does not have. Underlined: the entry&apos;s word. In brackets: a word left out.</source>
        <translation>المشطوب: ما ليس في البند. المسطّر: كلمة البند. بين قوسين: كلمة سقطت.</translation>
    </message>
    <message>
        <source>&amp;Marks too</source>
        <translation>و&amp;التشكيل أيضًا</translation>
    </message>
    <message>
        <source>Compare the vowels, shadda and sukun of every word as well</source>
        <translation>قارن حركات كل كلمة وشدّتها وسكونها أيضًا</translation>
    </message>
    <message>
        <source>Write %1 from memory (%2 of %3), then press Enter.</source>
        <translation>اكتب %1 من الذاكرة (%2 من %3)، ثم اضغط Enter.</translation>
    </message>
    <message>
        <source>Open a list to write its entries from memory.</source>
        <translation>افتح قائمة لتكتب بنودها من الذاكرة.</translation>
    </message>
    <message>
        <source>Enter: check</source>
        <translation>دقّق: Enter</translation>
    </message>
    <message>
        <source>(The start of the list)</source>
        <translation>(بداية القائمة)</translation>
    </message>
    <message>
        <source>Good: every word right.</source>
        <translation>جيد: كل الكلمات صحيحة.</translation>
    </message>
    <message>
        <source>Hard: one word to mend.</source>
        <translation>صعب: كلمة واحدة تحتاج إلى تصحيح.</translation>
    </message>
    <message>
        <source>Enter: the next entry</source>
        <translation>البند التالي: Enter</translation>
    </message>
    <message numerus="yes">
        <source>Again: %n words to mend.</source>
        <translation>
            <numerusform>أعِد: لا كلمة تحتاج إلى تصحيح.</numerusform>
            <numerusform>أعِد: كلمة واحدة تحتاج إلى تصحيح.</numerusform>
            <numerusform>أعِد: كلمتان تحتاجان إلى تصحيح.</numerusform>
            <numerusform>أعِد: %Ln كلمات تحتاج إلى تصحيح.</numerusform>
            <numerusform>أعِد: %Ln كلمة تحتاج إلى تصحيح.</numerusform>
            <numerusform>أعِد: %Ln كلمة تحتاج إلى تصحيح.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>divisionchoices</name>
    <message>
        <source>Juz</source>
        <translation>الجزء</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>الصفحة</translation>
    </message>
    <message>
        <source>Quarter</source>
        <translation>الربع</translation>
    </message>
    <message>
        <source>Hizb</source>
        <translation>الحزب</translation>
    </message>
    <message>
        <source>Manzil</source>
        <translation>المنزل</translation>
    </message>
</context>
<context>
    <name>listfile</name>
    <message>
        <source>The list file %1 could not be opened: %2.</source>
        <translation>تعذّر فتح ملف القائمة %1: %2.</translation>
    </message>
    <message>
        <source>The list file %1 could not be read: %2.</source>
        <translation>تعذّرت قراءة ملف القائمة %1: %2.</translation>
    </message>
    <message>
        <source>The list file %1 could not be written: %2. Any file that was there is unchanged.</source>
        <translation>تعذّرت كتابة ملف القائمة %1: %2. لم يتغيّر أي ملف كان هناك.</translation>
    </message>
    <message>
        <source>The list file %1 is damaged or is not a list file: the value at character %2 is out of range.</source>
        <translation>ملف القائمة %1 تالف أو ليس ملف قائمة: القيمة عند المحرف %2 خارج المدى.</translation>
    </message>
    <message>
        <source>The file %1 is larger than %2 MB, which no list is; it was not opened.</source>
        <translation>الملف %1 أكبر من %2 م.ب، ولا تبلغ قائمة هذا الحجم؛ فلم يُفتح.</translation>
    </message>
    <message>
        <source>The list %1 would be larger than %2 MB, which Zorvel cannot open; it was not written. Make it into several lists.</source>
        <translation>ستكون القائمة %1 أكبر من %2 م.ب، ولا يستطيع زورفل فتحها؛ فلم تُكتب. اجعلها عدة قوائم.</translation>
    </message>
    <message>
        <source>once</source>
        <translation>مرة واحدة</translation>
    </message>
    <message>
        <source>%1 times</source>
        <translation>%1 مرات</translation>
    </message>
    <message>
        <source>U+%1%2: %3, first on line %4</source>
        <translation>U+%1%2: %3، أول ظهور في السطر %4</translation>
    </message>
</context>
<context>
    <name>listing</name>
    <message>
        <source>Quick List</source>
        <translation>عرض سريع</translation>
    </message>
    <message>
        <source>%1 sec</source>
        <translation>%1 ث</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>يدوي</translation>
    </message>
</context>
<context>
    <name>listloader</name>
    <message>
        <source>The name “%1” is not valid in the system’s encoding (UTF-8), so the file cannot be opened. Rename the file, then open it again.</source>
        <translation>الاسم «%1» غير صالح في ترميز النظام (UTF-8)، فلا يمكن فتح الملف. غيّر اسم الملف ثم افتحه من جديد.</translation>
    </message>
    <message>
        <source>“%1” is a folder, not a list file.</source>
        <translation>«%1» مجلد وليس ملف قائمة.</translation>
    </message>
    <message>
        <source>“%1” is not a list file: it is not a regular file but a device, a pipe or a socket.</source>
        <translation>«%1» ليس ملف قائمة: ليس ملفًا عاديًا بل جهاز أو أنبوب أو مقبس.</translation>
    </message>
    <message>
        <source>The list “%1” holds no words, so it cannot be opened in word mode.</source>
        <translation>القائمة «%1» لا تحوي كلمات، فلا يمكن فتحها في وضع الكلمات.</translation>
    </message>
    <message>
        <source>The list “%1” has no entries, so there is nothing to practise.</source>
        <translation>القائمة «%1» ليس فيها بنود، فلا شيء للتمرين.</translation>
    </message>
</context>
<context>
    <name>listmessages</name>
    <message>
        <source>No Item was selected for opening. Expand the tree in the Open window and choose an item before clicking open button</source>
        <translation>لم يُختر شيء لفتحه. وسّع الشجرة في نافذة الفتح واختر بندًا قبل الضغط على زر الفتح</translation>
    </message>
    <message>
        <source>No item selected</source>
        <translation>لم يُختر شيء</translation>
    </message>
    <message>
        <source>Open a Zorvel file from File-&gt;Open menu</source>
        <translation>افتح ملف زورفل من قائمة ملف ← فتح</translation>
    </message>
    <message>
        <source>No Zorvel file opened</source>
        <translation>لم يُفتح ملف زورفل</translation>
    </message>
    <message>
        <source>“%1” has changed since Today was planned: %2 is no longer in it.</source>
        <translation>تغيّرت «%1» منذ وُضعت خطة اليوم: لم يعد %2 فيها.</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>اليوم</translation>
    </message>
</context>
<context>
    <name>saveAtomically</name>
    <message>
        <source>not all of it could be written; the disk may be full</source>
        <translation>تعذّرت كتابته كله؛ لعل القرص ممتلئ</translation>
    </message>
</context>
<context>
    <name>textimport</name>
    <message>
        <source>The text is not in the chapter|verse|text form, so the mushaf&apos;s divisions could not be placed.</source>
        <translation>ليس النص على صيغة «سورة|آية|نص»، فتعذّر وضع أقسام المصحف فيه.</translation>
    </message>
    <message>
        <source>Verse %1:%2 is not in the map of the Madani mushaf (%3 verses in %4 surahs): the text numbers its verses otherwise, and nothing was changed.</source>
        <translation>الآية %1:%2 ليست في خريطة المصحف المدني (%3 آية في %4 سورة): النص يعدّ آياته على غير عدّه، فلم يُغيَّر شيء.</translation>
    </message>
</context>
<context>
    <name>recitation</name>
    <message>
        <source>files named by the entry&apos;s number in four digits: 0007.mp3 for entry 7</source>
        <translation>ملفات مسمّاة برقم البند في أربع خانات: 0007.mp3 للبند 7</translation>
    </message>
    <message>
        <source>files named by the part&apos;s number and the entry&apos;s number in it, three digits each: 002255.mp3 for 2:255</source>
        <translation>ملفات مسمّاة برقم القسم ورقم البند فيه، ثلاث خانات لكل منهما: 002255.mp3 للآية 2:255</translation>
    </message>
</context>
<context>
    <name>testing</name>
    <message>
        <source> sec</source>
        <translation> ث</translation>
    </message>
    <message>
        <source>------ Select Next ------------</source>
        <translation>------ اختر التالي ------------</translation>
    </message>
    <message>
        <source>--- TEST COMPLETE ---</source>
        <translation>--- اكتمل الاختبار ---</translation>
    </message>
    <message>
        <source> hr : </source>
        <translation> س : </translation>
    </message>
    <message>
        <source> min : </source>
        <translation> د : </translation>
    </message>
</context>
<context>
    <name>HistoryMessages</name>
    <message>
        <source>The practice history in “%1” cannot be used: %2.<byte value="xd"/>
Practice goes on; picks are not remembered until Zorvel starts again.</source>
        <translation>لا يمكن استعمال سجل التمرين في «%1»: %2.<byte value="xd"/>
يستمر التمرين، ولا تُحفظ الاختيارات حتى يُشغَّل زورفل من جديد.</translation>
    </message>
    <message>
        <source>Your answers could not be saved in the practice history “%1”: %2.<byte value="xd"/>
Zorvel keeps them and saves them with your next answer, or when it closes.</source>
        <translation>تعذّر حفظ إجاباتك في سجل التمرين «%1»: %2.<byte value="xd"/>
يحتفظ بها زورفل ويحفظها مع إجابتك التالية، أو عند إغلاقه.</translation>
    </message>
    <message>
        <source>Answers that could not be saved in the practice history “%1” are lost: %2.</source>
        <translation>ضاعت الإجابات التي تعذّر حفظها في سجل التمرين «%1»: %2.</translation>
    </message>
    <message>
        <source>Practice history</source>
        <translation>سجل التمرين</translation>
    </message>
</context>
<context>
    <name>RecitalView</name>
    <message>
        <source>Marks by</source>
        <translation>العلامات بحسب</translation>
    </message>
    <message>
        <source>Marks in each division</source>
        <translation>العلامات في كل قسم</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>القسم</translation>
    </message>
    <message>
        <source>Entries marked most often</source>
        <translation>أكثر البنود علامات</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>البند</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>النص</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>العلامات</translation>
    </message>
    <message>
        <source>Words marked most often</source>
        <translation>أكثر الكلمات علامات</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>الكلمة</translation>
    </message>
    <message>
        <source>Last in</source>
        <translation>آخرها في</translation>
    </message>
    <message>
        <source>Marks week by week</source>
        <translation>العلامات أسبوعًا بأسبوع</translation>
    </message>
    <message>
        <source>Week from</source>
        <translation>الأسبوع من</translation>
    </message>
    <message>
        <source>Entries recited</source>
        <translation>البنود المسمَّعة</translation>
    </message>
    <message>
        <source>By part</source>
        <translation>بحسب الأجزاء</translation>
    </message>
</context>
<context>
    <name>RecitalWindow</name>
    <message>
        <source>prompted</source>
        <translation>لُقِّن</translation>
    </message>
    <message>
        <source>wrong or missing word</source>
        <translation>كلمة خاطئة أو ناقصة</translation>
    </message>
    <message>
        <source>vowel slip</source>
        <translation>خطأ في الحركات</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>سقط</translation>
    </message>
    <message>
        <source>Recite a Passage: %1 to %2</source>
        <translation>تسميع مقطع: من %1 إلى %2</translation>
    </message>
    <message>
        <source>The passage, as it is revealed</source>
        <translation>المقطع كما يُكشف</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Backspace: take back the last mark</source>
        <translation>Backspace: التراجع عن آخر علامة</translation>
    </message>
    <message>
        <source>Space: the next word · Enter: the whole entry, then the next</source>
        <translation>المسافة: الكلمة التالية · Enter: البند كله، ثم الذي يليه</translation>
    </message>
    <message>
        <source>Click a word: wrong or missing · Shift+click: vowel slip</source>
        <translation>انقر كلمة: خاطئة أو ناقصة · Shift مع النقر: خطأ في الحركات</translation>
    </message>
    <message>
        <source>&amp;Play the reciter once an entry is revealed</source>
        <translation>&amp;شغّل القارئ متى كُشف البند</translation>
    </message>
    <message>
        <source>This entry has no mark to take back.</source>
        <translation>ليس لهذا البند علامة يُتراجع عنها.</translation>
    </message>
    <message>
        <source>Reveal the entry before marking it.</source>
        <translation>اكشف البند قبل أن تعلّم عليه.</translation>
    </message>
    <message>
        <source>That word is marked so already.</source>
        <translation>عُلِّمت هذه الكلمة بذلك من قبل.</translation>
    </message>
    <message>
        <source>Recite %1, then reveal it.</source>
        <translation>سمِّع %1 ثم اكشفه.</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%2 of %3): %n marks</source>
        <translation>
            <numerusform>%1 (%2 من %3): لا علامة</numerusform>
            <numerusform>%1 (%2 من %3): علامة واحدة</numerusform>
            <numerusform>%1 (%2 من %3): علامتان</numerusform>
            <numerusform>%1 (%2 من %3): %Ln علامات</numerusform>
            <numerusform>%1 (%2 من %3): %Ln علامة</numerusform>
            <numerusform>%1 (%2 من %3): %Ln علامة</numerusform>
        </translation>
    </message>
    <message>
        <source>Begin after %1:</source>
        <translation>ابدأ بعد %1:</translation>
    </message>
    <message>
        <source>Begin with its first word:</source>
        <translation>ابدأ بكلمته الأولى:</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1 في %2</translation>
    </message>
    <message>
        <source>The passage is recited: %1 of %2 entries clean.</source>
        <translation>سُمِّع المقطع: %1 من %2 بلا خطأ.</translation>
    </message>
    <message>
        <source>Words marked: %1</source>
        <translation>الكلمات المعلَّمة: %1</translation>
    </message>
</context>
<context>
    <name>SharedFolder</name>
    <message>
        <source>%1 was written by a newer Zorvel: this machine's answers are not shared until Zorvel is brought up to date here.</source>
        <translation>كتب %1 إصدارٌ أحدث من زورفل: لن تُشارَك إجابات هذا الجهاز حتى يُحدَّث زورفل هنا.</translation>
    </message>
    <message>
        <source>Your answers could not be written to the shared folder: %1.</source>
        <translation>تعذّرت كتابة إجاباتك في المجلد المشترك: %1.</translation>
    </message>
    <message>
        <source>The shared folder %1 is not there: practice is not shared until it is.</source>
        <translation>المجلد المشترك %1 غير موجود: لن يُشارَك التمرين حتى يوجد.</translation>
    </message>
    <message>
        <source>%1 in the shared folder is no Zorvel log; it is left alone.</source>
        <translation>ليس %1 في المجلد المشترك سجلًّا لزورفل؛ فتُرك كما هو.</translation>
    </message>
    <message>
        <source>%1's answers in %2 were written by a newer Zorvel; bring Zorvel up to date here to see them.</source>
        <translation>كتب إجاباتِ %1 في %2 إصدارٌ أحدث من زورفل؛ حدّث زورفل هنا لتراها.</translation>
    </message>
    <message>
        <source>%1 in the shared folder was replaced by an older copy; the answers already taken in from it are kept.</source>
        <translation>استُبدلت بـ%1 في المجلد المشترك نسخةٌ أقدم؛ وبقيت الإجابات التي أُخذت منه من قبل.</translation>
    </message>
    <message numerus="yes">
        <source>%n damaged answers in %1 were skipped; the rest were read.</source>
        <translation>
            <numerusform>لم تُتخطَّ أي إجابة تالفة في %1؛ وقُرئ الباقي.</numerusform>
            <numerusform>تُخطّيت إجابة تالفة في %1؛ وقُرئ الباقي.</numerusform>
            <numerusform>تُخطّيت إجابتان تالفتان في %1؛ وقُرئ الباقي.</numerusform>
            <numerusform>تُخطّيت %Ln إجابات تالفة في %1؛ وقُرئ الباقي.</numerusform>
            <numerusform>تُخطّيت %Ln إجابة تالفة في %1؛ وقُرئ الباقي.</numerusform>
            <numerusform>تُخطّيت %Ln إجابة تالفة في %1؛ وقُرئ الباقي.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SharingMenu</name>
    <message>
        <source>Shared Practice</source>
        <translation>التمرين المشترك</translation>
    </message>
    <message>
        <source>Share Practice</source>
        <translation>شارك التمرين</translation>
    </message>
    <message>
        <source>Your name, as your other machines and your teacher see it:</source>
        <translation>اسمك كما تراه أجهزتك الأخرى ويراه شيخك:</translation>
    </message>
    <message>
        <source>Open Class</source>
        <translation>افتح حلقة</translation>
    </message>
    <message>
        <source>Open the list in which to see %1's progress.</source>
        <translation>افتح القائمة التي تريد أن ترى فيها تقدّم %1.</translation>
    </message>
    <message>
        <source>Progress of %1: %2</source>
        <translation>تقدّم %1: %2</translation>
    </message>
</context>
<context>
    <name>ClassWindow</name>
    <message>
        <source>Class: %1</source>
        <translation>الحلقة: %1</translation>
    </message>
    <message>
        <source>The learners of the class</source>
        <translation>طلاب الحلقة</translation>
    </message>
    <message>
        <source>Learner</source>
        <translation>الطالب</translation>
    </message>
    <message>
        <source>Last practised</source>
        <translation>آخر تمرين</translation>
    </message>
    <message>
        <source>Answers in 7 days</source>
        <translation>الإجابات في سبعة أيام</translation>
    </message>
    <message>
        <source>Due today</source>
        <translation>المستحق اليوم</translation>
    </message>
    <message>
        <source>Mean recall</source>
        <translation>متوسط الاستذكار</translation>
    </message>
    <message>
        <source>Weakest</source>
        <translation>الأضعف</translation>
    </message>
    <message>
        <source>Confused most</source>
        <translation>أكثر ما اختلط عليه</translation>
    </message>
    <message>
        <source>never</source>
        <translation>لم يتمرّن</translation>
    </message>
    <message>
        <source>Double-click a learner to see their progress in the open list</source>
        <translation>انقر مرتين على طالب لترى تقدّمه في القائمة المفتوحة</translation>
    </message>
</context>
<context>
    <name>MemoryView</name>
    <message>
        <source>&amp;Fit to my reviews</source>
        <translation>&amp;كيِّف النموذج على مراجعاتي</translation>
    </message>
    <message>
        <source>&amp;Stop the fit</source>
        <translation>&amp;ألغِ التكييف</translation>
    </message>
    <message>
        <source>&amp;Use the default weights</source>
        <translation>&amp;عُد إلى الأوزان الافتراضية</translation>
    </message>
    <message>
        <source>Fitting to your reviews</source>
        <translation>تكييف النموذج على مراجعاتك</translation>
    </message>
    <message>
        <source>Fit the memory model to your own reviews; the result is kept only if it predicts your latest reviews better</source>
        <translation>كيِّف نموذج الذاكرة على مراجعاتك أنت؛ لا يُحتفظ بالنتيجة إلا إذا تنبأت بمراجعاتك الأخيرة تنبؤًا أفضل</translation>
    </message>
    <message>
        <source>Reviews a fit can learn from (each after an earlier review of its entry): %1.</source>
        <translation>المراجعات التي يتعلم منها التكييف (كلٌّ بعد مراجعة سابقة لبندها): %1.</translation>
    </message>
    <message>
        <source>In use: your own weights, fitted on %1 to %2 reviews.</source>
        <translation>المستعمل: أوزانك أنت، كُيِّفت في %1 على %2 مراجعة.</translation>
    </message>
    <message>
        <source>In use: the default weights, fitted to many people&apos;s reviews.</source>
        <translation>المستعمل: الأوزان الافتراضية، المكيَّفة على مراجعات أناس كثيرين.</translation>
    </message>
    <message>
        <source>The last fit, on your latest %1 reviews held out of it: loss %2 with the weights it found, %3 with the weights then in use, %4 with the default weights (lower predicts better).</source>
        <translation>آخر تكييف، على آخر %1 مراجعة من مراجعاتك أُبقيت خارجه: الخسارة %2 بالأوزان التي وجدها، و%3 بالأوزان التي كانت مستعملة حينها، و%4 بالأوزان الافتراضية (الأقل أحسن تنبؤًا).</translation>
    </message>
    <message>
        <source>A fit needs at least %1 such reviews.</source>
        <translation>يحتاج التكييف إلى %1 مراجعة من هذه على الأقل.</translation>
    </message>
    <message>
        <source>Your reviews have grown by half since the last fit: a new fit may predict your memory better.</source>
        <translation>زادت مراجعاتك بمقدار النصف منذ آخر تكييف: قد يتنبأ تكييف جديد بذاكرتك تنبؤًا أفضل.</translation>
    </message>
    <message>
        <source>You have enough reviews for the model to be fitted to your memory.</source>
        <translation>لديك من المراجعات ما يكفي لتكييف النموذج على ذاكرتك.</translation>
    </message>
    <message>
        <source>The fit was stopped; nothing changed.</source>
        <translation>أُلغي التكييف؛ لم يتغير شيء.</translation>
    </message>
    <message>
        <source>A fit needs at least %1 reviews that follow an earlier review of the same entry, on more than one day; you have %2.</source>
        <translation>يحتاج التكييف إلى %1 مراجعة على الأقل تلي كلٌّ منها مراجعةً سابقة للبند نفسه، في أكثر من يوم؛ ولديك %2.</translation>
    </message>
    <message>
        <source>Kept: the fitted weights predict your latest reviews better (loss %1 against %2). Your plan now follows them.</source>
        <translation>احتُفظ بها: الأوزان المكيَّفة تتنبأ بمراجعاتك الأخيرة تنبؤًا أفضل (الخسارة %1 مقابل %2). خطتك تتبعها الآن.</translation>
    </message>
    <message>
        <source>Not kept: the fitted weights predict your latest reviews no better than those in use (loss %1 against %2).</source>
        <translation>لم يُحتفظ بها: الأوزان المكيَّفة لا تتنبأ بمراجعاتك الأخيرة أفضل من المستعملة (الخسارة %1 مقابل %2).</translation>
    </message>
</context>
</TS>
