<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>ConfusionsView</name>
    <message>
        <source>Practise the pa&amp;ir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passages taken for one another</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pair side by side</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test a few entries around each passage of the pair in turn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pairs, the words that tell them apart marked:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DueBars</name>
    <message>
        <source>Entries due in the coming days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today and the next days: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n due today</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>today</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListTreeModel</name>
    <message>
        <source>Lists</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListerPage</name>
    <message>
        <source>Re&amp;call first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show each entry&apos;s start first, and the whole at the next step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First letters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A blank a word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What a prompt shows of the entry before it is revealed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How well did you recall it?
1 Again  2 Hard
3 Good  4 Easy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space: the next word
Enter: the whole entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Divider between the listed items and the complete text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Listed items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Complete text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Listing speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recall cue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Restart Listing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restart on finish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Listing Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;List Next Item (Enter Key)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arabic &amp;Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Progress...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Today...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Write from Memory...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ask the &amp;Second Half of a Bayt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RangeBar</name>
    <message>
        <source>&amp;Part</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Practise a whole part</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fr&amp;om</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First &amp;5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First &amp;10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Previous Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Next Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FROM cannot be greater than TO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Selection</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SideWindows</name>
    <message>
        <source>Export the Memory of This List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The memory could not be written to “%1”: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StrengthMap</name>
    <message>
        <source>Strength of every entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 entries practised, %3 recalled with 90 % or more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: never practised</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: recalled with %2 % today</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TesterPage</name>
    <message>
        <source>Loo&amp;k-alike choices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offer a passage elsewhere that reads like the right one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mistakes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recalled items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Correct</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Taken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong: that was %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Restart Test</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZorvelSettings</name>
    <message>
        <source>The settings file “%1” is not a regular file, so Zorvel neither reads nor keeps its settings there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings could not be kept in “%1”: its folder cannot be written, or the disk is full.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmFind</name>
    <message>
        <source>&amp;Best matches first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find a passage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passages found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Words to find (with or without their marks):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The words together and early first; otherwise in the list&apos;s order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Practise from it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No passage holds these words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 passage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 passages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 with the words together (%3)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read-me</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zorvel will speak the language chosen from its next start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The practice history in “%1” cannot be used: %2.<byte value="xd"/>
Practice goes on; picks are not remembered until Zorvel starts again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Practice history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lister</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tester</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Readme/Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmNew</name>
    <message>
        <source>Read &amp;as:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your lists folder “%1” could not be made: %2.<byte value="xd"/>
Choose another folder you can write to.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save it in a folder you can write to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, such as your own lists folder “%1”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list could not be saved in the folder “%1”.<byte value="xd"/>
%2<byte value="xd"/>
%3. The text stays here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file “%1” is larger than %2 MB, more than a list can hold; it was not imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some bytes of “%1” are not %2, so they show as “�”.<byte value="xd"/>
Choose the file&apos;s encoding under “Read as”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmOpen</name>
    <message>
        <source>Lists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My lists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a Zorvel File</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmProgress</name>
    <message>
        <source>word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Completed tests</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Items most often missed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose one to practise from it:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Items most often &amp;missed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passages &amp;taken for one another</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answers of each drill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Easy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Drills</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Practise from it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the memory of every entry to a CSV file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every entry&apos;s chance of recall today (choose one to practise from it), and the entries due in the next 30 days:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choices on the Tester</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recall first on the Lister</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Written from memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second halves chosen on the Tester</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second halves recalled on the Lister</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tests of items %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time taken (seconds)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong picks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chart cannot be shown: the module zorvel-chart could not be loaded (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chart cannot be shown: the module zorvel-chart is missing from this installation.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmToday</name>
    <message>
        <source>Today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What to revise today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Due</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recall now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overdue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Practise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An entry is due when its chance of recall falls below this</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the Tester</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the Lister, recalling first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Today when Zorvel &amp;starts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desired &amp;retention:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Longest passage:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New entries a day:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Practise &amp;with:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (words)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next to learn: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmUnkept</name>
    <message>
        <source>Characters that cannot be kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A list file cannot keep these characters. Type what should stand in the place of each, or leave it empty to drop it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(dropped)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A list cannot keep %1 either: type another text.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmWrite</name>
    <message>
        <source>Write from Memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The entries before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The entry, written from memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The entry checked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Struck through: what the entry does not have. Underlined: the entry&apos;s word. In brackets: a word left out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Marks too</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare the vowels, shadda and sukun of every word as well</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write %1 from memory (%2 of %3), then press Enter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a list to write its entries from memory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter: check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(The start of the list)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good: every word right.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hard: one word to mend.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Again: %1 words to mend.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter: the next entry</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>listfile</name>
    <message>
        <source>The list file %1 could not be opened: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list file %1 could not be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list file %1 could not be written: %2. Any file that was there is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list file %1 is damaged or is not a list file: the value at character %2 is out of range.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is larger than %2 MB, which no list is; it was not opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list %1 would be larger than %2 MB, which Zorvel cannot open; it was not written. Make it into several lists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>U+%1%2: %3, first on line %4</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>listmessages</name>
    <message>
        <source>No Item was selected for opening. Expand the tree in the Open window and choose an item before clicking open button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No item selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a Zorvel file from File-&gt;Open menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Zorvel file opened</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>saveAtomically</name>
    <message>
        <source>not all of it could be written; the disk may be full</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
