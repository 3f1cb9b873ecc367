<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el" sourcelanguage="en">
<context>
    <name>CatalogueLines</name>
    <message>
        <source>the catalogue has no count line</source>
        <translation>ο κατάλογος δεν έχει γραμμή πλήθους</translation>
    </message>
    <message>
        <source>the first line is not a count from 0 to 1000</source>
        <translation>η πρώτη γραμμή δεν είναι πλήθος από 0 έως 1000</translation>
    </message>
    <message>
        <source>the count says %1 titles but %2 lines follow it</source>
        <translation>το πλήθος λέει %1 τίτλους, αλλά ακολουθούν %2 γραμμές</translation>
    </message>
    <message>
        <source>line %1 does not hold one title</source>
        <translation>η γραμμή %1 δεν περιέχει έναν τίτλο</translation>
    </message>
    <message>
        <source>taking out line %1 would join the lines around it</source>
        <translation>η αφαίρεση της γραμμής %1 θα ένωνε τις γραμμές γύρω της</translation>
    </message>
    <message>
        <source>Page %1</source>
        <extracomment>One line of 133 pixels, Tahoma 15.75 bold.</extracomment>
        <translation>Σελίδα %1</translation>
    </message>
</context>
<context>
    <name>DialogMessages</name>
    <message>
        <source>Lives of Hellas</source>
        <extracomment>The caption of the program&apos;s message boxes: its name, kept in Latin letters.</extracomment>
        <translation>Lives of Hellas</translation>
    </message>
</context>
<context>
    <name>Exchange</name>
    <message>
        <source>This file is too large to be a question file: a question file the wizard can read is at most %1 MB.</source>
        <translation>Αυτό το αρχείο είναι πολύ μεγάλο για αρχείο ερωτήσεων: ένα αρχείο ερωτήσεων που μπορεί να διαβάσει ο οδηγός έχει το πολύ %1 MB.</translation>
    </message>
    <message>
        <source>This file could not be read (%1).</source>
        <translation>Αυτό το αρχείο δεν μπόρεσε να διαβαστεί (%1).</translation>
    </message>
    <message>
        <source>This file is empty.</source>
        <translation>Αυτό το αρχείο είναι κενό.</translation>
    </message>
    <message>
        <source>This file is not a text file, so it cannot hold questions to import.</source>
        <translation>Αυτό το αρχείο δεν είναι αρχείο κειμένου, άρα δεν μπορεί να περιέχει ερωτήσεις για εισαγωγή.</translation>
    </message>
    <message>
        <source>This file is not a question file that the wizard can read: it must be a GIFT, Aiken or Moodle XML file, or a worksheet of this program.</source>
        <translation>Αυτό το αρχείο δεν είναι αρχείο ερωτήσεων που μπορεί να διαβάσει ο οδηγός: πρέπει να είναι αρχείο GIFT, Aiken ή Moodle XML ή φύλλο εργασίας αυτού του προγράμματος.</translation>
    </message>
    <message>
        <source>This Moodle XML file ends too soon: it seems to have been cut short, so nothing could be read from it.</source>
        <translation>Αυτό το αρχείο Moodle XML τελειώνει πολύ νωρίς: φαίνεται ότι έχει κοπεί, γι&apos; αυτό δεν διαβάστηκε τίποτα από αυτό.</translation>
    </message>
    <message>
        <source>This Moodle XML file is damaged near line %1, so nothing could be read from it.</source>
        <translation>Αυτό το αρχείο Moodle XML είναι κατεστραμμένο κοντά στη γραμμή %1, γι&apos; αυτό δεν διαβάστηκε τίποτα από αυτό.</translation>
    </message>
    <message>
        <source>This XML file is not a Moodle XML quiz: it does not begin with &lt;quiz&gt;.</source>
        <translation>Αυτό το αρχείο XML δεν είναι κουίζ Moodle XML: δεν αρχίζει με &lt;quiz&gt;.</translation>
    </message>
    <message>
        <source>This file holds no questions.</source>
        <translation>Αυτό το αρχείο δεν περιέχει ερωτήσεις.</translation>
    </message>
    <message>
        <source>This file has no question that the wizard can hold.</source>
        <translation>Αυτό το αρχείο δεν έχει καμία ερώτηση που να χωράει στον οδηγό.</translation>
    </message>
    <message>
        <source>This file has no more questions that the wizard can hold.</source>
        <translation>Αυτό το αρχείο δεν έχει άλλες ερωτήσεις που να χωρούν στον οδηγό.</translation>
    </message>
    <message>
        <source>Only one question could be taken from this file: it fills Question 1, and the boxes after it are left empty.</source>
        <translation>Μόνο μία ερώτηση πάρθηκε από αυτό το αρχείο: συμπληρώνει την Ερώτηση 1 και τα πλαίσια μετά από αυτήν μένουν κενά.</translation>
    </message>
    <message>
        <source>This question was passed over:</source>
        <translation>Αυτή η ερώτηση παραλείφθηκε:</translation>
    </message>
    <message>
        <source>These questions were passed over:</source>
        <translation>Αυτές οι ερωτήσεις παραλείφθηκαν:</translation>
    </message>
    <message>
        <source>One more question can be taken from this file: import it again to take it.</source>
        <translation>Μία ακόμη ερώτηση μπορεί να παρθεί από αυτό το αρχείο: εισαγάγετέ το ξανά για να την πάρετε.</translation>
    </message>
    <message>
        <source>Question %1: %2</source>
        <translation>Ερώτηση %1: %2</translation>
    </message>
    <message>
        <source>Question %1, “%2”: %3</source>
        <translation>Ερώτηση %1, «%2»: %3</translation>
    </message>
    <message>
        <source>The file names its questions “%1”, which is longer than the %2 characters a worksheet title can have. Do you want the title cut to “%3”?</source>
        <translation>Το αρχείο ονομάζει τις ερωτήσεις του «%1», τίτλο μεγαλύτερο από τους %2 χαρακτήρες που μπορεί να έχει ο τίτλος ενός φύλλου εργασίας. Θέλετε να κοπεί ο τίτλος σε «%3»;</translation>
    </message>
    <message>
        <source>a true/false question</source>
        <translation>ερώτηση σωστού/λάθους</translation>
    </message>
    <message>
        <source>a short-answer question</source>
        <translation>ερώτηση σύντομης απάντησης</translation>
    </message>
    <message>
        <source>a matching question</source>
        <translation>ερώτηση αντιστοίχισης</translation>
    </message>
    <message>
        <source>a numerical question</source>
        <translation>αριθμητική ερώτηση</translation>
    </message>
    <message>
        <source>an essay question</source>
        <translation>ερώτηση ανάπτυξης</translation>
    </message>
    <message>
        <source>a text without answers</source>
        <translation>κείμενο χωρίς απαντήσεις</translation>
    </message>
    <message>
        <source>a question with answers inside its text (cloze)</source>
        <translation>ερώτηση με απαντήσεις μέσα στο κείμενό της (συμπλήρωση κενών)</translation>
    </message>
    <message>
        <source>a question of the kind “%1”</source>
        <translation>ερώτηση του είδους «%1»</translation>
    </message>
    <message>
        <source>its answers are not closed with “}”</source>
        <translation>οι απαντήσεις της δεν κλείνουν με «}»</translation>
    </message>
    <message>
        <source>two lists of answers (is the blank line before the next question missing?)</source>
        <translation>δύο λίστες απαντήσεων (μήπως λείπει η κενή γραμμή πριν από την επόμενη ερώτηση;)</translation>
    </message>
    <message>
        <source>no “ANSWER:” line after its answers</source>
        <translation>δεν υπάρχει γραμμή «ANSWER:» μετά τις απαντήσεις της</translation>
    </message>
    <message>
        <source>its “ANSWER:” line names none of its answers</source>
        <translation>η γραμμή «ANSWER:» δεν ονομάζει καμία από τις απαντήσεις της</translation>
    </message>
    <message>
        <source>no answers</source>
        <translation>καμία απάντηση</translation>
    </message>
    <message>
        <source>only one answer</source>
        <translation>μόνο μία απάντηση</translation>
    </message>
    <message>
        <source>no answer marked right</source>
        <translation>καμία απάντηση σημειωμένη ως σωστή</translation>
    </message>
    <message>
        <source>two answers marked right</source>
        <translation>δύο απαντήσεις σημειωμένες ως σωστές</translation>
    </message>
    <message>
        <source>three answers marked right</source>
        <translation>τρεις απαντήσεις σημειωμένες ως σωστές</translation>
    </message>
    <message>
        <source>all four answers marked right</source>
        <translation>και οι τέσσερις απαντήσεις σημειωμένες ως σωστές</translation>
    </message>
    <message>
        <source>no question text</source>
        <translation>χωρίς κείμενο ερώτησης</translation>
    </message>
    <message>
        <source>answer %1 is empty</source>
        <translation>η απάντηση %1 είναι κενή</translation>
    </message>
    <message>
        <source>longer than %1 characters</source>
        <translation>μεγαλύτερη από %1 χαρακτήρες</translation>
    </message>
    <message>
        <source>answer %1 is longer than %2 characters</source>
        <translation>η απάντηση %1 είναι μεγαλύτερη από %2 χαρακτήρες</translation>
    </message>
    <message>
        <source>an “&amp;”, which a worksheet cannot keep</source>
        <translation>ένα «&amp;», που δεν μπορεί να κρατήσει ένα φύλλο εργασίας</translation>
    </message>
    <message>
        <source>worksheet</source>
        <translation>φύλλο εργασίας</translation>
    </message>
    <message numerus="yes">
        <source>Only %n questions could be taken from this file: they fill Questions 1 to %n, and the boxes after them are left empty.</source>
        <translation>
            <numerusform>Μόνο %n ερώτηση πάρθηκε από αυτό το αρχείο: συμπληρώνει την Ερώτηση 1 και τα πλαίσια μετά από αυτήν μένουν κενά.</numerusform>
            <numerusform>Μόνο %n ερωτήσεις πάρθηκαν από αυτό το αρχείο: συμπληρώνουν τις Ερωτήσεις 1 έως %n και τα πλαίσια μετά από αυτές μένουν κενά.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n more questions can be taken from this file: import it again to take them.</source>
        <translation>
            <numerusform>%n ακόμη ερώτηση μπορεί να παρθεί από αυτό το αρχείο: εισαγάγετέ το ξανά για να την πάρετε.</numerusform>
            <numerusform>%n ακόμη ερωτήσεις μπορούν να παρθούν από αυτό το αρχείο: εισαγάγετέ το ξανά για να τις πάρετε.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n more questions can be taken from this file: import it again to take the next ten.</source>
        <translation>
            <numerusform>%n ακόμη ερώτηση μπορεί να παρθεί από αυτό το αρχείο: εισαγάγετέ το ξανά για να πάρετε τις επόμενες δέκα.</numerusform>
            <numerusform>%n ακόμη ερωτήσεις μπορούν να παρθούν από αυτό το αρχείο: εισαγάγετέ το ξανά για να πάρετε τις επόμενες δέκα.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n answers</source>
        <translation>
            <numerusform>%n απάντηση</numerusform>
            <numerusform>%n απαντήσεις</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExchangeCommand</name>
    <message>
        <source>passed over: %1</source>
        <translation>παραλείφθηκε: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n usable questions left over: a worksheet needs ten</source>
        <translation>
            <numerusform>%n κατάλληλη ερώτηση περίσσεψε: ένα φύλλο εργασίας χρειάζεται δέκα</numerusform>
            <numerusform>%n κατάλληλες ερωτήσεις περίσσεψαν: ένα φύλλο εργασίας χρειάζεται δέκα</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; not saved: %2</source>
        <translation>«%1»: δεν αποθηκεύτηκε: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; not saved: a worksheet called %2 already exists</source>
        <translation>«%1»: δεν αποθηκεύτηκε: υπάρχει ήδη φύλλο εργασίας με τίτλο %2</translation>
    </message>
    <message>
        <source>saved &quot;%1&quot;</source>
        <translation>αποθηκεύτηκε: «%1»</translation>
    </message>
    <message>
        <source>1 worksheet saved from %1</source>
        <translation>1 φύλλο εργασίας αποθηκεύτηκε από το %1</translation>
    </message>
    <message numerus="yes">
        <source>%n worksheets saved from %1</source>
        <translation>
            <numerusform>%n φύλλο εργασίας αποθηκεύτηκε από το %1</numerusform>
            <numerusform>%n φύλλα εργασίας αποθηκεύτηκαν από το %1</numerusform>
        </translation>
    </message>
    <message>
        <source>--format is gift, aiken or xml, not &quot;%1&quot;</source>
        <extracomment>The option and the three format names are typed as they stand.</extracomment>
        <translation>το --format είναι gift, aiken ή xml, όχι «%1»</translation>
    </message>
    <message>
        <source>there is no worksheet called &quot;%1&quot;</source>
        <translation>δεν υπάρχει φύλλο εργασίας με τίτλο «%1»</translation>
    </message>
    <message>
        <source>the worksheet &quot;%1&quot; cannot be read: %2</source>
        <translation>το φύλλο εργασίας «%1» δεν μπορεί να διαβαστεί: %2</translation>
    </message>
    <message>
        <source>the worksheet &quot;%1&quot; cannot be read</source>
        <translation>το φύλλο εργασίας «%1» δεν μπορεί να διαβαστεί</translation>
    </message>
    <message>
        <source>&quot;%1&quot; written to %2 as %3</source>
        <extracomment>%3 is the format&apos;s name: GIFT, Aiken, Moodle XML or worksheet.</extracomment>
        <translation>«%1»: γράφτηκε στο %2 ως %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A file&apos;s path, then why it cannot be imported.</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>ExportCommand</name>
    <message>
        <source>--since takes a date as YYYY-MM-DD, not &apos;%1&apos;.</source>
        <translation>Το --since θέλει ημερομηνία της μορφής ΕΕΕΕ-ΜΜ-ΗΗ, όχι «%1».</translation>
    </message>
    <message>
        <source>Result files left out because they could not be read: %1.</source>
        <translation>Αρχεία αποτελεσμάτων που παραλείφθηκαν επειδή δεν ήταν δυνατό να διαβαστούν: %1.</translation>
    </message>
    <message>
        <source>Results exported to %1: %2.</source>
        <translation>Τα αποτελέσματα εξάχθηκαν στο %1: %2.</translation>
    </message>
</context>
<context>
    <name>JigsawBoard</name>
    <message>
        <source>in row %1, column %2</source>
        <translation>στη σειρά %1, στήλη %2</translation>
    </message>
    <message>
        <source>in the tray</source>
        <translation>στον δίσκο</translation>
    </message>
    <message>
        <source>not in a cell</source>
        <translation>έξω από τα κελιά</translation>
    </message>
    <message>
        <source> %1 out of %2 scored </source>
        <extracomment>The blanks at both ends are kept.</extracomment>
        <translation> %1 στα %2 σωστά </translation>
    </message>
    <message>
        <source>Ulysses deriding Polyphemus by J.M.W. Turner</source>
        <extracomment>A painting&apos;s caption: two lines of 537 pixels, Times New Roman 24.</extracomment>
        <translation>Ο Οδυσσέας χλευάζει τον Πολύφημο, του Ουίλιαμ Τέρνερ</translation>
    </message>
    <message>
        <source>The School of Athens by Raphael</source>
        <translation>Η Σχολή των Αθηνών, του Ραφαήλ</translation>
    </message>
    <message>
        <source>Bacchus and Ariadne by Titian</source>
        <translation>Βάκχος και Αριάδνη, του Τιτσιάνο</translation>
    </message>
    <message>
        <source>The Birth of Venus by Sandro Botticelli</source>
        <translation>Η γέννηση της Αφροδίτης, του Σάντρο Μποτιτσέλι</translation>
    </message>
    <message>
        <source>The Death of Socrates by Jacques-Louis David</source>
        <translation>Ο θάνατος του Σωκράτη, του Ζακ-Λουί Νταβίντ</translation>
    </message>
    <message>
        <source>Phidias Showing the Frieze of the Parthenon by Lawrence Alma Tadema</source>
        <translation>Ο Φειδίας δείχνει τη ζωφόρο του Παρθενώνα, του Λόρενς Άλμα-Ταντέμα</translation>
    </message>
    <message>
        <source>Solon before Croesus by Gerard van Honthorst</source>
        <translation>Ο Σόλων μπροστά στον Κροίσο, του Γκέραρντ φαν Χόντχορστ</translation>
    </message>
    <message>
        <source>Socrates finding Alcibiades at Aspasia&apos;s house by J.L. Gerome</source>
        <translation>Ο Σωκράτης βρίσκει τον Αλκιβιάδη στο σπίτι της Ασπασίας, του Ζερόμ</translation>
    </message>
    <message>
        <source>The Procession of the Trojan Horse in Troy by Giovanni Tiepolo</source>
        <translation>Η πομπή του Δούρειου Ίππου στην Τροία, του Τζοβάνι Τιέπολο</translation>
    </message>
    <message>
        <source>Penelope and Suitors by John William Waterhouse</source>
        <translation>Η Πηνελόπη και οι μνηστήρες, του Τζον Γουίλιαμ Γουότερχαουζ</translation>
    </message>
</context>
<context>
    <name>LaunchOptions</name>
    <message>
        <source>Lives of Hellas: famous people of ancient Greece, for school pupils and their teachers.

Pupil mode when the worksheet folder exists but this account cannot write to it, or a settings file says mode=pupil; mode=teacher in the user&apos;s own file cannot lift the system&apos;s.</source>
        <translation>Lives of Hellas (Βίοι Ελλήνων): διάσημα πρόσωπα της αρχαίας Ελλάδας, για μαθητές και τους εκπαιδευτικούς τους.

Λειτουργία μαθητή όταν ο φάκελος των φύλλων εργασίας υπάρχει αλλά αυτός ο λογαριασμός δεν μπορεί να γράψει σε αυτόν ή όταν ένα αρχείο ρυθμίσεων ορίζει mode=pupil· το mode=teacher στο αρχείο του χρήστη δεν αναιρεί το mode=pupil του συστήματος.</translation>
    </message>
    <message>
        <source>folder</source>
        <extracomment>The name of an option&apos;s value in --help, written &lt;folder&gt;.</extracomment>
        <translation>φάκελος</translation>
    </message>
    <message>
        <source>file</source>
        <extracomment>The name of an option&apos;s value in --help, written &lt;file&gt;.</extracomment>
        <translation>αρχείο</translation>
    </message>
    <message>
        <source>title</source>
        <extracomment>The name of an option&apos;s value in --help, written &lt;title&gt;.</extracomment>
        <translation>τίτλος</translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation>Εμφάνιση αυτής της βοήθειας και τέλος.</translation>
    </message>
    <message>
        <source>Show the version and end.</source>
        <translation>Εμφάνιση της έκδοσης και τέλος.</translation>
    </message>
    <message>
        <source>Keep the teacher&apos;s worksheets and their catalogue in &lt;folder&gt; for this start.</source>
        <translation>Φύλαξη των φύλλων εργασίας του εκπαιδευτικού και του καταλόγου τους στον φάκελο &lt;φάκελος&gt; για αυτή την εκκίνηση.</translation>
    </message>
    <message>
        <source>Size of the screens: fit (fill the display), 1 (800 x 600) or a factor.</source>
        <translation>Μέγεθος των οθονών: fit (γεμίζουν την οθόνη), 1 (800 x 600) ή ένας συντελεστής.</translation>
    </message>
    <message>
        <source>fit|1|number</source>
        <extracomment>The value of --zoom in --help: &quot;fit&quot; and &quot;1&quot; are typed as they are.</extracomment>
        <translation>fit|1|αριθμός</translation>
    </message>
    <message>
        <source>Speak &lt;language&gt; for this start: %1 (by default language= in the settings, else the desktop&apos;s language).</source>
        <extracomment>%1 lists the language codes, &quot;en, el&quot;.</extracomment>
        <translation>Η γλώσσα &lt;γλώσσα&gt; για αυτή την εκκίνηση: %1 (εξ ορισμού το language= των ρυθμίσεων, αλλιώς η γλώσσα της επιφάνειας εργασίας).</translation>
    </message>
    <message>
        <source>language</source>
        <extracomment>The name of an option&apos;s value in --help, written &lt;language&gt;.</extracomment>
        <translation>γλώσσα</translation>
    </message>
    <message>
        <source>Start, report on the terminal once the title screen is shown, and end.</source>
        <translation>Εκκίνηση, αναφορά στο τερματικό μόλις εμφανιστεί η οθόνη τίτλου, και τέλος.</translation>
    </message>
    <message>
        <source>Keep the pupils&apos; scores in &lt;folder&gt; (results= in the settings; by default &quot;results&quot; beside the worksheet folder).</source>
        <translation>Φύλαξη των βαθμολογιών των μαθητών στον φάκελο &lt;φάκελος&gt; (results= στις ρυθμίσεις· εξ ορισμού ο φάκελος «results» δίπλα στον φάκελο των φύλλων εργασίας).</translation>
    </message>
    <message>
        <source>Write the kept scores to &lt;file&gt; as CSV for a spreadsheet, and end.</source>
        <translation>Εγγραφή των βαθμολογιών στο αρχείο &lt;αρχείο&gt; ως CSV για υπολογιστικό φύλλο, και τέλος.</translation>
    </message>
    <message>
        <source>With --export-results: only the scores of &lt;title&gt;.</source>
        <translation>Με το --export-results: μόνο οι βαθμολογίες του φύλλου &lt;τίτλος&gt;.</translation>
    </message>
    <message>
        <source>With --export-results: only scores from that day on.</source>
        <translation>Με το --export-results: μόνο οι βαθμολογίες από εκείνη την ημέρα και μετά.</translation>
    </message>
    <message>
        <source>YYYY-MM-DD</source>
        <extracomment>The value of --since in --help: a date typed as year-month-day.</extracomment>
        <translation>ΕΕΕΕ-ΜΜ-ΗΗ</translation>
    </message>
    <message>
        <source>Save each ten usable questions of a GIFT, Aiken or Moodle XML &lt;file&gt; as a worksheet &quot;&lt;title&gt; 1&quot;, &quot;&lt;title&gt; 2&quot;, ..., and end.</source>
        <translation>Αποθήκευση κάθε δέκα αξιοποιήσιμων ερωτήσεων ενός αρχείου &lt;αρχείο&gt; GIFT, Aiken ή Moodle XML ως φύλλου εργασίας «&lt;τίτλος&gt; 1», «&lt;τίτλος&gt; 2», ..., και τέλος.</translation>
    </message>
    <message>
        <source>Write the worksheet &lt;title&gt; for a learning platform (with --format and --output), and end.</source>
        <translation>Εγγραφή του φύλλου εργασίας &lt;τίτλος&gt; για πλατφόρμα ηλεκτρονικής μάθησης (με --format και --output), και τέλος.</translation>
    </message>
    <message>
        <source>With --export: the file&apos;s format.</source>
        <translation>Με το --export: η μορφή του αρχείου.</translation>
    </message>
    <message>
        <source>With --export: the file to write.</source>
        <translation>Με το --export: το αρχείο που θα γραφτεί.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>Δοκιμάστε «%1 --help».</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>απρόσμενο όρισμα «%1»</translation>
    </message>
    <message>
        <source>--export-results needs the name of the file to write</source>
        <translation>το --export-results θέλει το όνομα του αρχείου που θα γραφτεί</translation>
    </message>
    <message>
        <source>--worksheet and --since go with --export-results</source>
        <translation>τα --worksheet και --since δίνονται μόνο μαζί με το --export-results</translation>
    </message>
    <message>
        <source>--import needs the name of the file to read</source>
        <translation>το --import θέλει το όνομα του αρχείου που θα διαβαστεί</translation>
    </message>
    <message>
        <source>--export needs a worksheet title, --format and --output</source>
        <translation>το --export θέλει τίτλο φύλλου εργασίας, --format και --output</translation>
    </message>
    <message>
        <source>--format and --output go with --export</source>
        <translation>τα --format και --output δίνονται μόνο μαζί με το --export</translation>
    </message>
    <message>
        <source>--export-results, --import and --export go one at a time</source>
        <translation>τα --export-results, --import και --export δίνονται ένα κάθε φορά</translation>
    </message>
    <message>
        <source>neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>δεν έχει οριστεί ούτε το DISPLAY ούτε το WAYLAND_DISPLAY</translation>
    </message>
    <message>
        <source>the platform %1 needs %2, which is not set</source>
        <translation>η πλατφόρμα %1 χρειάζεται το %2, που δεν έχει οριστεί</translation>
    </message>
    <message>
        <source>the platform %1 needs %2 or %3, and neither is set</source>
        <translation>η πλατφόρμα %1 χρειάζεται το %2 ή το %3, και δεν έχει οριστεί κανένα από τα δύο</translation>
    </message>
    <message>
        <source>Lives of Hellas needs a graphical display, and there is none (%1).
Start it on a desktop, or without one under a virtual display:</source>
        <translation>Το Lives of Hellas χρειάζεται γραφική οθόνη, και δεν υπάρχει καμία (%1).
Ξεκινήστε το σε μια επιφάνεια εργασίας ή, χωρίς αυτήν, σε εικονική οθόνη:</translation>
    </message>
</context>
<context>
    <name>MatchingBoard</name>
    <message>
        <source>Girl with a Pearl Earring</source>
        <translation>Το κορίτσι με το μαργαριταρένιο σκουλαρίκι</translation>
    </message>
    <message>
        <source>The Mona Lisa</source>
        <translation>Η Μόνα Λίζα</translation>
    </message>
    <message>
        <source>Sunflowers</source>
        <translation>Ηλιοτρόπια</translation>
    </message>
    <message>
        <source>The Haywain</source>
        <translation>Η άμαξα με το σανό</translation>
    </message>
</context>
<context>
    <name>PrimaryDisplay</name>
    <message>
        <source>The zoom &quot;%1&quot; is neither fit nor a number from %2 to %3: the screens fit the display.</source>
        <translation>Η μεγέθυνση «%1» δεν είναι ούτε fit ούτε αριθμός από %2 έως %3: οι οθόνες του προγράμματος γεμίζουν την οθόνη.</translation>
    </message>
</context>
<context>
    <name>PrintSurface</name>
    <message>
        <source>There was a problem printing to your printer.</source>
        <translation>Παρουσιάστηκε πρόβλημα κατά την εκτύπωση στον εκτυπωτή σας.</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Drive</source>
        <translation>Μονάδα δίσκου</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Φάκελος</translation>
    </message>
    <message>
        <source>File Folder</source>
        <translation>Φάκελος αρχείων</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Αρχείο</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Συντόμευση</translation>
    </message>
    <message>
        <source>Alias</source>
        <translation>Ψευδώνυμο</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Άγνωστο</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Χρήση: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[επιλογές]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Επιλογές:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Ορίσματα:</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Άγνωστη επιλογή «%1».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Άγνωστες επιλογές: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Λείπει η τιμή μετά το «%1».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Απρόσμενη τιμή μετά το «%1».</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Look in:</source>
        <translation>Αναζήτηση σε:</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>Ό&amp;νομα αρχείου:</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Αρχεία τύπου:</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ά&amp;νοιγμα</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Αποθήκευση</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Επιλογή</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Άνοιγμα</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Αποθήκευση ως</translation>
    </message>
    <message>
        <source>Find Directory</source>
        <translation>Εύρεση φακέλου</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>Φάκελος:</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Φάκελοι</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Αρχεία</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Όλα τα αρχεία (*)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Όλα τα αρχεία (*)</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Πίσω</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Μπροστά</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>Γονικός φάκελος</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>Δημιουργία νέου φακέλου</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Προβολή λίστας</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>Προβολή λεπτομερειών</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Μετάβαση πίσω</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>Μετάβαση μπροστά</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Μετάβαση στον γονικό φάκελο</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>Δημιουργία νέου φακέλου</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>Αλλαγή σε προβολή λίστας</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>Αλλαγή σε προβολή λεπτομερειών</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Πλαϊνή στήλη</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>Λίστα τοποθεσιών και σελιδοδεικτών</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>Πρόσφατες τοποθεσίες</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Μετονομασία</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Διαγραφή</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>Εμφάνιση &amp;κρυφών αρχείων</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>&amp;Νέος φάκελος</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Νέος φάκελος</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Διαγραφή</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Αφαίρεση</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>Το %1 υπάρχει ήδη.
Θέλετε να αντικατασταθεί;</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
Το αρχείο δεν βρέθηκε.
Ελέγξτε ότι δόθηκε το σωστό όνομα αρχείου.</translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
Ο φάκελος δεν βρέθηκε.
Ελέγξτε ότι δόθηκε το σωστό όνομα φακέλου.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>Θέλετε σίγουρα να διαγράψετε το «%1»;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is write protected.
Do you want to delete it anyway?</source>
        <translation>Το «%1» προστατεύεται από εγγραφή.
Θέλετε να διαγραφεί παρ&apos; όλα αυτά;</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>Δεν ήταν δυνατή η διαγραφή του φακέλου.</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Ο υπολογιστής μου</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Μονάδα δίσκου</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Αρχείο</translation>
    </message>
    <message>
        <source>File Folder</source>
        <translation>Φάκελος αρχείων</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Φάκελος</translation>
    </message>
    <message>
        <source>Alias</source>
        <translation>Ψευδώνυμο</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Συντόμευση</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Άγνωστο</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Name</source>
        <translation>Όνομα</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Μέγεθος</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Τύπος</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Είδος</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Ημερομηνία τροποποίησης</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Ο υπολογιστής μου</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Υπολογιστής</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Μη έγκυρο όνομα αρχείου</translation>
    </message>
    <message>
        <source>&lt;b&gt;The name &quot;%1&quot; cannot be used.&lt;/b&gt;&lt;p&gt;Try using another name, with fewer characters or no punctuation marks.</source>
        <translation>&lt;b&gt;Το όνομα «%1» δεν μπορεί να χρησιμοποιηθεί.&lt;/b&gt;&lt;p&gt;Δοκιμάστε άλλο όνομα, με λιγότερους χαρακτήρες ή χωρίς σημεία στίξης.</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Αποθήκευση</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Ά&amp;κυρο</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Κλείσιμο</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Κλείσιμο χωρίς αποθήκευση</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Αναίρεση</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Επα&amp;νάληψη</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Απο&amp;κοπή</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>Α&amp;ντιγραφή</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Επικόλληση</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Διαγραφή</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Επιλογή όλων</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>Εμφάνιση λεπτομερειών...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Απόκρυψη λεπτομερειών...</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Αποθήκευση</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Αποθήκευση όλων</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Άνοιγμα</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ναι</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Ναι σε ό&amp;λα</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>Ό&amp;χι</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>Όχι σε όλ&amp;α</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Διακοπή</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Επανάληψη</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Παράβλεψη</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Κλείσιμο</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Απόρριψη</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Βοήθεια</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Εφαρμογή</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Επαναφορά</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Επαναφορά προεπιλογών</translation>
    </message>
</context>
<context>
    <name>ResultsExport</name>
    <message>
        <source>cannot read the results folder %1: %2</source>
        <translation>δεν είναι δυνατή η ανάγνωση του φακέλου αποτελεσμάτων %1: %2</translation>
    </message>
</context>
<context>
    <name>ScaleChoice</name>
    <message>
        <source>The zoom %1 does not fit the display (%2 x %3 pixels): the screens are shown at %4, the largest zoom that fits.</source>
        <translation>Η μεγέθυνση %1 δεν χωράει στην οθόνη (%2 x %3 εικονοστοιχεία): οι οθόνες του προγράμματος εμφανίζονται σε %4, τη μεγαλύτερη μεγέθυνση που χωράει.</translation>
    </message>
    <message>
        <source>The zoom %1 does not fit the display (%2 x %3 pixels): the screens are shown at %4, their own size of 800 x 600.</source>
        <translation>Η μεγέθυνση %1 δεν χωράει στην οθόνη (%2 x %3 εικονοστοιχεία): οι οθόνες του προγράμματος εμφανίζονται σε %4, στο δικό τους μέγεθος των 800 x 600.</translation>
    </message>
</context>
<context>
    <name>Screen</name>
    <message>
        <source>Lives of Hellas</source>
        <translation>Lives of Hellas</translation>
    </message>
    <message>
        <source>Do you want to leave Lives of Hellas?</source>
        <translation>Θέλετε να βγείτε από το Lives of Hellas;</translation>
    </message>
</context>
<context>
    <name>TitleShownReport</name>
    <message>
        <source>title screen shown</source>
        <translation>η οθόνη τίτλου εμφανίστηκε</translation>
    </message>
    <message>
        <source>title screen shown without its picture</source>
        <translation>η οθόνη τίτλου εμφανίστηκε χωρίς την εικόνα της</translation>
    </message>
</context>
<context>
    <name>Titlefrm</name>
    <message>
        <source>Written by Helen Marsh</source>
        <extracomment>One line of 313 pixels in Times New Roman 14.25.</extracomment>
        <translation>Κείμενο: Helen Marsh</translation>
    </message>
    <message>
        <source>Programmed by Thomas Reed</source>
        <extracomment>One line of 297 pixels in Times New Roman 12.</extracomment>
        <translation>Προγραμματισμός: Thomas Reed</translation>
    </message>
    <message>
        <source>Copyright © 2026 Larkspur Publishing Ltd. All rights reserved.</source>
        <extracomment>One line of 361 pixels in Arial 8.25.</extracomment>
        <translation>© 2026 Larkspur Publishing Ltd. Με επιφύλαξη παντός δικαιώματος.</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>A push button of 89 by 25 pixels in Tahoma 8.25.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>A push button of 89 by 25 pixels in Tahoma 8.25.</extracomment>
        <translation>Έξοδος</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>A push button of 89 by 25 pixels in Tahoma 8.25.</extracomment>
        <translation>Άκυρο</translation>
    </message>
</context>
<context>
    <name>Welldone</name>
    <message>
        <source>Results</source>
        <translation>Αποτελέσματα</translation>
    </message>
    <message>
        <source>Well Done!</source>
        <translation>Μπράβο!</translation>
    </message>
    <message>
        <source>Read the Key Facts and try again.</source>
        <extracomment>One line of 800 pixels in Times New Roman 24.</extracomment>
        <translation>Διάβασε «Τα βασικά» και προσπάθησε ξανά.</translation>
    </message>
    <message>
        <source>Your name</source>
        <extracomment>Beside the name box: 184 by 41 pixels in Times New Roman 24.</extracomment>
        <translation>Το όνομά σου</translation>
    </message>
    <message>
        <source>Enter your name in the box above before printing your certificate</source>
        <extracomment>Two lines of 385 pixels in Times New Roman 18.</extracomment>
        <translation>Γράψε το όνομά σου στο πλαίσιο επάνω πριν τυπώσεις το δίπλωμά σου</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Έξοδος</translation>
    </message>
    <message>
        <source>Print Certificate</source>
        <extracomment>A button of 251 by 33 pixels in Tahoma 15.75 bold.</extracomment>
        <translation>Εκτύπωση διπλώματος</translation>
    </message>
    <message>
        <source>Click the button above to check which questions you answered incorrectly.</source>
        <extracomment>Two lines of 576 pixels in Times New Roman 24.</extracomment>
        <translation>Πάτησε το κουμπί επάνω για να δεις ποιες ερωτήσεις απάντησες λάθος.</translation>
    </message>
    <message>
        <source>Check Wrong Answers</source>
        <extracomment>A button of 251 by 33 pixels in Tahoma 15.75 bold.</extracomment>
        <translation>Δες τα λάθη σου</translation>
    </message>
</context>
<context>
    <name>WorksheetDraft</name>
    <message>
        <source>Question %1 cannot contain &quot;&amp;&quot;: please write &quot;and&quot; instead</source>
        <translation>Η Ερώτηση %1 δεν μπορεί να περιέχει «&amp;»: γράψτε «και» στη θέση του</translation>
    </message>
    <message>
        <source>Answer %1 of Question %2 cannot contain &quot;&amp;&quot;: please write &quot;and&quot; instead</source>
        <translation>Η απάντηση %1 της Ερώτησης %2 δεν μπορεί να περιέχει «&amp;»: γράψτε «και» στη θέση του</translation>
    </message>
    <message>
        <source>Question %1 holds a line break pasted from elsewhere: please replace it with a blank</source>
        <translation>Η Ερώτηση %1 περιέχει αλλαγή γραμμής που επικολλήθηκε από αλλού: αντικαταστήστε την με κενό</translation>
    </message>
    <message>
        <source>Answer %1 of Question %2 holds a line break pasted from elsewhere: please replace it with a blank</source>
        <translation>Η απάντηση %1 της Ερώτησης %2 περιέχει αλλαγή γραμμής που επικολλήθηκε από αλλού: αντικαταστήστε την με κενό</translation>
    </message>
    <message>
        <source>You have not completed Question %1</source>
        <translation>Δεν έχετε συμπληρώσει την Ερώτηση %1</translation>
    </message>
    <message>
        <source>You have not chosen a title for your worksheet</source>
        <translation>Δεν έχετε επιλέξει τίτλο για το φύλλο εργασίας σας</translation>
    </message>
    <message>
        <source>You have not ticked the correct answer for Question %1</source>
        <translation>Δεν έχετε σημειώσει τη σωστή απάντηση στην Ερώτηση %1</translation>
    </message>
    <message>
        <source>You have ticked more than one correct answer for Question %1</source>
        <translation>Έχετε σημειώσει περισσότερες από μία σωστές απαντήσεις στην Ερώτηση %1</translation>
    </message>
</context>
<context>
    <name>WorksheetStore</name>
    <message>
        <source>%1: too large to be a catalogue</source>
        <translation>%1: πολύ μεγάλο για να είναι κατάλογος</translation>
    </message>
    <message>
        <source>a worksheet needs a title</source>
        <translation>ένα φύλλο εργασίας χρειάζεται τίτλο</translation>
    </message>
    <message>
        <source>Your worksheet title cannot be longer than %1 characters</source>
        <translation>Ο τίτλος του φύλλου εργασίας δεν μπορεί να έχει περισσότερους από %1 χαρακτήρες</translation>
    </message>
    <message>
        <source>Your worksheet title cannot contain any of these characters: / \ : * ? &quot; &lt; &gt; |</source>
        <translation>Ο τίτλος του φύλλου εργασίας δεν μπορεί να περιέχει κανέναν από αυτούς τους χαρακτήρες: / \ : * ? &quot; &lt; &gt; |</translation>
    </message>
    <message>
        <source>Your worksheet title cannot contain tabs or other control characters</source>
        <translation>Ο τίτλος του φύλλου εργασίας δεν μπορεί να περιέχει στηλοθέτες ή άλλους χαρακτήρες ελέγχου</translation>
    </message>
    <message>
        <source>Your worksheet title cannot contain &quot;&amp;&quot;: please write &quot;and&quot; instead</source>
        <translation>Ο τίτλος του φύλλου εργασίας δεν μπορεί να περιέχει «&amp;»: γράψτε «και» στη θέση του</translation>
    </message>
    <message>
        <source>Your worksheet title cannot be made only of dots and blanks</source>
        <translation>Ο τίτλος του φύλλου εργασίας δεν μπορεί να αποτελείται μόνο από τελείες και κενά</translation>
    </message>
    <message>
        <source>Your worksheet title cannot begin or end with a blank</source>
        <translation>Ο τίτλος του φύλλου εργασίας δεν μπορεί να αρχίζει ή να τελειώνει με κενό</translation>
    </message>
    <message>
        <source>The title %1 is kept for the program&apos;s own use: please choose another title</source>
        <translation>Ο τίτλος %1 προορίζεται για τη χρήση του ίδιου του προγράμματος: επιλέξτε άλλον τίτλο</translation>
    </message>
    <message>
        <source>%1: the folder cannot be made</source>
        <translation>%1: ο φάκελος δεν μπορεί να δημιουργηθεί</translation>
    </message>
    <message>
        <source>the catalogue is locked by another copy</source>
        <translation>ο κατάλογος είναι κλειδωμένος από άλλο αντίγραφο του προγράμματος</translation>
    </message>
    <message>
        <source>the catalogue&apos;s lock cannot be made</source>
        <translation>το κλείδωμα του καταλόγου δεν μπορεί να δημιουργηθεί</translation>
    </message>
    <message>
        <source>the catalogue holds a thousand titles already</source>
        <translation>ο κατάλογος έχει ήδη χίλιους τίτλους</translation>
    </message>
    <message>
        <source>the catalogue was left as it is: %1</source>
        <translation>ο κατάλογος έμεινε όπως ήταν: %1</translation>
    </message>
    <message>
        <source>the title cannot stand on a catalogue line</source>
        <translation>ο τίτλος δεν μπορεί να γραφτεί σε μια γραμμή του καταλόγου</translation>
    </message>
    <message>
        <source>%1: missing</source>
        <translation>%1: λείπει</translation>
    </message>
    <message>
        <source>the catalogue does not list %1</source>
        <translation>ο κατάλογος δεν περιέχει το %1</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>απέτυχε</translation>
    </message>
</context>
<context>
    <name>Wrong</name>
    <message>
        <source>Wrong answers</source>
        <translation>Λάθος απαντήσεις</translation>
    </message>
    <message>
        <source>You answered the following questions incorrectly.</source>
        <translation>Απάντησες λάθος στις παρακάτω ερωτήσεις.</translation>
    </message>
    <message>
        <source>Read the Key Facts and try again.</source>
        <translation>Διάβασε «Τα βασικά» και προσπάθησε ξανά.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Έξοδος</translation>
    </message>
</context>
<context>
    <name>accessibility</name>
    <message>
        <source>Enter to pick up, arrow keys to move, Enter to put down, Escape to put back</source>
        <translation>Enter για να το πάρεις, βέλη για να το μετακινήσεις, Enter για να το αφήσεις, Escape για να το επιστρέψεις στη θέση του</translation>
    </message>
    <message>
        <source>Homer</source>
        <translation>Όμηρος</translation>
    </message>
    <message>
        <source>The Parthenon</source>
        <translation>Ο Παρθενώνας</translation>
    </message>
    <message>
        <source>Larkspur Publishing</source>
        <translation>Larkspur Publishing</translation>
    </message>
</context>
<context>
    <name>certificate</name>
    <message>
        <source>You have scored %1 out of %2.</source>
        <translation>Πέτυχες %1 στα %2.</translation>
    </message>
    <message>
        <source>   Well Done      Well Done     Well Done     Well Done    </source>
        <extracomment>Printed twice in a row across the top and the foot of the certificate, in Times New Roman 25: keep the blanks between the words.</extracomment>
        <translation>   Μπράβο      Μπράβο     Μπράβο     Μπράβο    </translation>
    </message>
    <message>
        <source>Lives of Hellas</source>
        <translation>Lives of Hellas</translation>
    </message>
    <message>
        <source>Excellent Work</source>
        <translation>Εξαιρετική δουλειά</translation>
    </message>
    <message>
        <source>Your certificate is now printing.</source>
        <translation>Το δίπλωμά σου τυπώνεται τώρα.</translation>
    </message>
    <message>
        <source>Printing has been cancelled.</source>
        <translation>Η εκτύπωση ακυρώθηκε.</translation>
    </message>
</context>
<context>
    <name>guide</name>
    <message>
        <source>Teachers&apos; Guide</source>
        <translation>Οδηγός εκπαιδευτικού</translation>
    </message>
</context>
<context>
    <name>intro0</name>
    <message>
        <source>Homer</source>
        <translation>Όμηρος</translation>
    </message>
    <message>
        <source>Solon</source>
        <translation>Σόλων</translation>
    </message>
    <message>
        <source>Aeschylus</source>
        <translation>Αισχύλος</translation>
    </message>
    <message>
        <source>Pericles</source>
        <translation>Περικλής</translation>
    </message>
    <message>
        <source>Phidias</source>
        <translation>Φειδίας</translation>
    </message>
    <message>
        <source>Herodotus</source>
        <translation>Ηρόδοτος</translation>
    </message>
    <message>
        <source>Socrates</source>
        <translation>Σωκράτης</translation>
    </message>
    <message>
        <source>Hippocrates</source>
        <translation>Ιπποκράτης</translation>
    </message>
    <message>
        <source>Alcibiades</source>
        <translation>Αλκιβιάδης</translation>
    </message>
    <message>
        <source>Plato</source>
        <translation>Πλάτων</translation>
    </message>
    <message>
        <source>Aristotle</source>
        <translation>Αριστοτέλης</translation>
    </message>
    <message>
        <source>Alexander</source>
        <translation>Μέγας Αλέξανδρος</translation>
    </message>
    <message>
        <source>Main menu</source>
        <translation>Κύριο μενού</translation>
    </message>
    <message>
        <source>Sound On</source>
        <extracomment>A radio button of 97 by 17 pixels in Tahoma 9.75 bold, its circle included.</extracomment>
        <translation>Με ήχο</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <extracomment>A radio button of 97 by 17 pixels in Tahoma 9.75 bold, its circle included.</extracomment>
        <translation>Χωρίς ήχο</translation>
    </message>
    <message>
        <source>Teachers&apos; Guide</source>
        <extracomment>A button of 205 by 33 pixels in Tahoma 14.25 bold.</extracomment>
        <translation>Οδηγός εκπαιδευτικού</translation>
    </message>
    <message>
        <source>Acknowledgments</source>
        <extracomment>A button of 205 by 33 pixels in Tahoma 14.25 bold.</extracomment>
        <translation>Ευχαριστίες</translation>
    </message>
    <message>
        <source>Multiple Choice Wizard</source>
        <extracomment>A button of 309 by 33 pixels in Tahoma 18 bold.</extracomment>
        <translation>Οδηγός πολλαπλής επιλογής</translation>
    </message>
    <message>
        <source>Worksheet Catalogue</source>
        <extracomment>A button of 309 by 33 pixels in Tahoma 18 bold.</extracomment>
        <translation>Κατάλογος φύλλων εργασίας</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>A button of 83 by 33 pixels in Tahoma 18 bold.</extracomment>
        <translation>Έξοδος</translation>
    </message>
    <message>
        <source>Copyright © 2026 Larkspur Publishing Ltd.</source>
        <extracomment>One line of 288 pixels in Tahoma 9.75.</extracomment>
        <translation>© 2026 Larkspur Publishing Ltd.</translation>
    </message>
</context>
<context>
    <name>jigsaw</name>
    <message>
        <source>Exit</source>
        <extracomment>A button of 83 pixels, Tahoma 15.75 bold.</extracomment>
        <translation>Έξοδος</translation>
    </message>
    <message>
        <source>Start Again</source>
        <extracomment>A button of 171 pixels, Tahoma 15.75 bold.</extracomment>
        <translation>Από την αρχή</translation>
    </message>
    <message>
        <source>Check Score</source>
        <extracomment>A button of 171 pixels, Tahoma 15.75 bold.</extracomment>
        <translation>Βαθμολογία</translation>
    </message>
    <message>
        <source>New Picture</source>
        <extracomment>A button of 155 pixels, Tahoma 15.75 bold.</extracomment>
        <translation>Νέα εικόνα</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>A button of 147 pixels, Tahoma 15.75 bold.</extracomment>
        <translation>Λύση</translation>
    </message>
    <message>
        <source>Jigsaw</source>
        <translation>Παζλ</translation>
    </message>
    <message>
        <source>Complete the picture by dragging its parts into the correct positions.</source>
        <extracomment>Three lines of 216 pixels, Arial 12 bold.</extracomment>
        <translation>Συμπλήρωσε την εικόνα σέρνοντας τα κομμάτια της στη σωστή θέση.</translation>
    </message>
    <message>
        <source>Piece %1 of %2, %3</source>
        <extracomment>%3 is where the piece lies: &quot;in row 2, column 3&quot;, &quot;in the tray&quot; or &quot;not in a cell&quot;.</extracomment>
        <translation>Κομμάτι %1 από %2, %3</translation>
    </message>
    <message>
        <source>Piece %1 of %2 put down %3</source>
        <translation>Το κομμάτι %1 από %2 αφέθηκε %3</translation>
    </message>
    <message>
        <source>Piece %1 of %2 put down %3. Piece %4 of %2 moved to the tray</source>
        <translation>Το κομμάτι %1 από %2 αφέθηκε %3. Το κομμάτι %4 από %2 πήγε στον δίσκο</translation>
    </message>
    <message>
        <source>Picked up piece %1 of %2, %3</source>
        <translation>Σηκώθηκε το κομμάτι %1 από %2, %3</translation>
    </message>
    <message>
        <source>Piece %1 of %2, %3, put back</source>
        <translation>Κομμάτι %1 από %2, %3, επέστρεψε στη θέση του</translation>
    </message>
</context>
<context>
    <name>multiple</name>
    <message>
        <source>&lt;&lt; Previous Question</source>
        <translation>&lt;&lt; Προηγούμενη</translation>
    </message>
    <message>
        <source>Next Question &gt;&gt;</source>
        <translation>Επόμενη &gt;&gt;</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Έξοδος</translation>
    </message>
    <message>
        <source>Print Worksheet</source>
        <translation>Εκτύπωση φύλλου</translation>
    </message>
    <message>
        <source>No answer chosen</source>
        <translation>Δεν επιλέχθηκε απάντηση</translation>
    </message>
    <message>
        <source>Multiple Choice</source>
        <extracomment>The quiz screen&apos;s heading: 416 by 60 pixels in Tahoma 36 bold.</extracomment>
        <translation>Πολλαπλή επιλογή</translation>
    </message>
    <message>
        <source>Question %1</source>
        <translation>Ερώτηση %1</translation>
    </message>
    <message>
        <source>Check Score &gt;&gt;</source>
        <translation>Βαθμολογία &gt;&gt;</translation>
    </message>
    <message>
        <source>Question %1 of 10</source>
        <translation>Ερώτηση %1 από 10</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A screen reader&apos;s description of an answer: the question&apos;s number, then its text.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation>Απάντηση %1</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>What a screen reader says as a question comes: its number, then its text.</extracomment>
        <translation>%1. %2</translation>
    </message>
</context>
<context>
    <name>pages</name>
    <message>
        <source>Page %1 of %2</source>
        <extracomment>The page label of the page viewers: 153 by 33 pixels in Tahoma 15.75 bold.</extracomment>
        <translation>Σελίδα %1 από %2</translation>
    </message>
</context>
<context>
    <name>pageviewer</name>
    <message>
        <source>This page could not be found.</source>
        <translation>Δεν βρέθηκε αυτή η σελίδα.</translation>
    </message>
    <message>
        <source>Page</source>
        <extracomment>A screen reader&apos;s name for a page shown without a page number.</extracomment>
        <translation>Σελίδα</translation>
    </message>
    <message>
        <source>Print</source>
        <extracomment>A button of 75 by 33 pixels in Tahoma 15.75 bold: a short word.</extracomment>
        <translation>Τύπωσε</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Έξοδος</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Επόμενη</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Προηγούμενη</translation>
    </message>
</context>
<context>
    <name>phidias</name>
    <message>
        <source>Multiple Choice</source>
        <translation>Πολλαπλή επιλογή</translation>
    </message>
    <message>
        <source>Famous Paintings</source>
        <translation>Διάσημοι πίνακες</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Έξοδος</translation>
    </message>
    <message>
        <source>Jigsaw</source>
        <translation>Παζλ</translation>
    </message>
    <message>
        <source>Key Facts</source>
        <extracomment>A button of 133 by 33 pixels in Tahoma 15.75 bold.</extracomment>
        <translation>Τα βασικά</translation>
    </message>
    <message>
        <source>Teacher&apos;s Notes</source>
        <translation>Για τον εκπαιδευτικό</translation>
    </message>
    <message>
        <source>Phidias</source>
        <translation>Φειδίας</translation>
    </message>
    <message>
        <source>This question set could not be read.</source>
        <translation>Δεν ήταν δυνατό να διαβαστούν αυτές οι ερωτήσεις.</translation>
    </message>
</context>
<context>
    <name>phidiaslab</name>
    <message>
        <source>Phidias was the greatest artist in classical Greece. Unfortunately, none of his paintings have survived.</source>
        <extracomment>Two lines of 768 by 79 pixels, Times New Roman 24.</extracomment>
        <translation>Ο Φειδίας ήταν ο μεγαλύτερος καλλιτέχνης της κλασικής Ελλάδας. Δυστυχώς, δεν σώθηκε κανένας πίνακάς του.</translation>
    </message>
    <message>
        <source>Girl with a Pearl Earring</source>
        <extracomment>Two lines of 182 by 59 pixels, Times New Roman 18.</extracomment>
        <translation>Το κορίτσι με το μαργαριτάρι</translation>
    </message>
    <message>
        <source>The Haywain</source>
        <extracomment>One line of 206 pixels, Times New Roman 18.</extracomment>
        <translation>Η άμαξα με το σανό</translation>
    </message>
    <message>
        <source>The Mona Lisa</source>
        <extracomment>One line of 182 pixels, Times New Roman 18.</extracomment>
        <translation>Η Μόνα Λίζα</translation>
    </message>
    <message>
        <source>Sunflowers</source>
        <extracomment>One line of 182 pixels, Times New Roman 18.</extracomment>
        <translation>Ηλιοτρόπια</translation>
    </message>
    <message>
        <source>Match the famous paintings below to the artists who painted them.</source>
        <extracomment>One line of 768 pixels, Times New Roman 18.</extracomment>
        <translation>Ταίριαξε τους διάσημους πίνακες με τους ζωγράφους τους.</translation>
    </message>
    <message>
        <source>Jan Vermeer</source>
        <extracomment>A painter&apos;s name on one line of 155 pixels, Arial 12 bold.</extracomment>
        <translation>Γιοχάνες Βερμέερ</translation>
    </message>
    <message>
        <source>Leonardo da Vinci</source>
        <translation>Λεονάρντο ντα Βίντσι</translation>
    </message>
    <message>
        <source>Vincent Van Gogh</source>
        <translation>Βίνσεντ βαν Γκογκ</translation>
    </message>
    <message>
        <source>John Constable</source>
        <translation>Τζον Κόνσταμπλ</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>A button of 83 pixels, Tahoma 15.75 bold.</extracomment>
        <translation>Έξοδος</translation>
    </message>
    <message>
        <source>Start Again</source>
        <extracomment>A button of 171 pixels, Tahoma 15.75 bold.</extracomment>
        <translation>Από την αρχή</translation>
    </message>
    <message>
        <source>Check Score</source>
        <extracomment>A button of 171 pixels, Tahoma 15.75 bold.</extracomment>
        <translation>Βαθμολογία</translation>
    </message>
    <message>
        <source>Famous Paintings</source>
        <translation>Διάσημοι πίνακες</translation>
    </message>
    <message>
        <source>%1 put down, %2</source>
        <extracomment>%1 is a painter&apos;s name, %2 where it lies: &quot;not placed&quot; or &quot;under The Mona Lisa&quot;.</extracomment>
        <translation>Το όνομα %1 αφέθηκε, %2</translation>
    </message>
    <message>
        <source>not placed</source>
        <translation>δεν έχει τοποθετηθεί</translation>
    </message>
    <message>
        <source>under %1</source>
        <translation>κάτω από τον πίνακα «%1»</translation>
    </message>
    <message>
        <source>Picked up %1</source>
        <translation>Σηκώθηκε το όνομα %1</translation>
    </message>
    <message>
        <source>%1, put back</source>
        <translation>%1, επέστρεψε στη θέση του</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>%1 is a painter&apos;s name, %2 where it lies: &quot;not placed&quot; or &quot;under The Mona Lisa&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>Two or more painters&apos; names in one box: &quot;Jan Vermeer and John Constable&quot;.</extracomment>
        <translation>%1 και %2</translation>
    </message>
    <message>
        <source>Box under %1, empty</source>
        <translation>Κουτί κάτω από τον πίνακα «%1», άδειο</translation>
    </message>
    <message>
        <source>Box under %1, holding %2</source>
        <translation>Κουτί κάτω από τον πίνακα «%1», περιέχει: %2</translation>
    </message>
</context>
<context>
    <name>quizmarks</name>
    <message>
        <source>A</source>
        <translation>Α</translation>
    </message>
    <message>
        <source>B</source>
        <translation>Β</translation>
    </message>
    <message>
        <source>C</source>
        <translation>Γ</translation>
    </message>
    <message>
        <source>D</source>
        <translation>Δ</translation>
    </message>
    <message>
        <source> %1. %2</source>
        <extracomment>A row of the wrong answers: the question&apos;s number after a blank, then its text.</extracomment>
        <translation> %1. %2</translation>
    </message>
    <message>
        <source>Excellent work. You have scored %1 out of %2.</source>
        <translation>Εξαιρετική δουλειά. Πέτυχες %1 στα %2.</translation>
    </message>
    <message>
        <source>Good work. You have scored %1 out of %2.</source>
        <translation>Καλή δουλειά. Πέτυχες %1 στα %2.</translation>
    </message>
    <message>
        <source>You have scored %1 out of %2.</source>
        <translation>Πέτυχες %1 στα %2.</translation>
    </message>
</context>
<context>
    <name>wizard</name>
    <message>
        <source>Multiple Choice Wizard</source>
        <extracomment>The wizard&apos;s heading: one line of 288 pixels, Tahoma 18 bold.</extracomment>
        <translation>Οδηγός πολλαπλής επιλογής</translation>
    </message>
    <message>
        <source>Worksheet Title</source>
        <extracomment>One line of 152 pixels, Tahoma 14.25 bold.</extracomment>
        <translation>Τίτλος φύλλου</translation>
    </message>
    <message>
        <source>Question %1</source>
        <extracomment>A question&apos;s caption and its box&apos;s name: one line of 70 pixels, Tahoma 9.75 bold.</extracomment>
        <translation>Ερώτηση %1</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>An answer&apos;s letter (A to D, as the quiz shows them) and its full stop: 17 pixels.</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Save Worksheet</source>
        <extracomment>A button of 211 pixels, Tahoma 15.75 bold.</extracomment>
        <translation>Αποθήκευση</translation>
    </message>
    <message>
        <source>Import Questions</source>
        <extracomment>A button of 223 pixels, Tahoma 15.75 bold; also the file chooser&apos;s title.</extracomment>
        <translation>Εισαγωγή ερωτήσεων</translation>
    </message>
    <message>
        <source>Export Worksheet</source>
        <extracomment>A button of 230 pixels, Tahoma 15.75 bold; also the file chooser&apos;s title.</extracomment>
        <translation>Εξαγωγή φύλλου</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>A button of 83 pixels, Tahoma 15.75 bold.</extracomment>
        <translation>Έξοδος</translation>
    </message>
    <message>
        <source>Worksheet title</source>
        <translation>Τίτλος φύλλου εργασίας</translation>
    </message>
    <message>
        <source>Question %1, answer %2</source>
        <translation>Ερώτηση %1, απάντηση %2</translation>
    </message>
    <message>
        <source>Question %1: %2 is the correct answer</source>
        <translation>Ερώτηση %1: η %2 είναι η σωστή απάντηση</translation>
    </message>
    <message>
        <source>Leave the Multiple Choice Wizard without saving your worksheet?</source>
        <translation>Να κλείσει ο Οδηγός πολλαπλής επιλογής χωρίς να αποθηκευτεί το φύλλο εργασίας σας;</translation>
    </message>
    <message>
        <source>A worksheet called %1 already exists. Do you want to replace it?</source>
        <translation>Υπάρχει ήδη φύλλο εργασίας με τίτλο %1. Θέλετε να αντικατασταθεί;</translation>
    </message>
    <message>
        <source>Your worksheet has been saved.</source>
        <translation>Το φύλλο εργασίας σας αποθηκεύτηκε.</translation>
    </message>
    <message>
        <source>There was a problem saving your worksheet</source>
        <translation>Παρουσιάστηκε πρόβλημα κατά την αποθήκευση του φύλλου εργασίας σας</translation>
    </message>
    <message>
        <source>GIFT files (%1)</source>
        <translation>Αρχεία GIFT (%1)</translation>
    </message>
    <message>
        <source>Aiken files (%1)</source>
        <translation>Αρχεία Aiken (%1)</translation>
    </message>
    <message>
        <source>Moodle XML files (%1)</source>
        <translation>Αρχεία Moodle XML (%1)</translation>
    </message>
    <message>
        <source>Worksheet files (%1)</source>
        <translation>Αρχεία φύλλων εργασίας (%1)</translation>
    </message>
    <message>
        <source>All files (%1)</source>
        <translation>Όλα τα αρχεία (%1)</translation>
    </message>
    <message>
        <source>There was a problem exporting your worksheet</source>
        <translation>Παρουσιάστηκε πρόβλημα κατά την εξαγωγή του φύλλου εργασίας σας</translation>
    </message>
    <message>
        <source>Your worksheet has been exported.</source>
        <translation>Το φύλλο εργασίας σας εξήχθη.</translation>
    </message>
</context>
<context>
    <name>worksheetprint</name>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Lives of Hellas</source>
        <translation>Lives of Hellas</translation>
    </message>
    <message>
        <source>Question %1    %2</source>
        <extracomment>A question of the printed worksheet: its number, then its text.</extracomment>
        <translation>Ερώτηση %1    %2</translation>
    </message>
    <message>
        <source>Answers</source>
        <extracomment>The heading of the answer key&apos;s page, under the worksheet&apos;s title.</extracomment>
        <translation>Απαντήσεις</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>A line of the answer key for a question without a correct answer: its number alone.</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1. %2  %3</source>
        <extracomment>A line of the answer key: the question&apos;s number, the letter of its correct answer, the answer.</extracomment>
        <translation>%1. %2  %3</translation>
    </message>
    <message>
        <source>Your worksheet is now printing.</source>
        <translation>Το φύλλο εργασίας τυπώνεται τώρα.</translation>
    </message>
    <message>
        <source>Print an answer key after the worksheet?</source>
        <translation>Να τυπωθούν και οι απαντήσεις μετά το φύλλο εργασίας;</translation>
    </message>
    <message>
        <source>Larkspur Publishing Ltd</source>
        <translation>Larkspur Publishing Ltd</translation>
    </message>
</context>
<context>
    <name>worksheets</name>
    <message>
        <source>Worksheet Catalogue</source>
        <translation>Κατάλογος φύλλων εργασίας</translation>
    </message>
    <message>
        <source>Worksheets Catalogue</source>
        <extracomment>The heading: one line of 800 pixels, Tahoma 24 bold, between two tick boxes that leave it about 440 pixels in the middle.</extracomment>
        <translation>Φύλλα εργασίας</translation>
    </message>
    <message>
        <source>Edit Worksheet</source>
        <extracomment>A tick box of 169 pixels with its box, Tahoma 12 bold.</extracomment>
        <translation>Επεξεργασία</translation>
    </message>
    <message>
        <source>Delete Worksheet</source>
        <extracomment>A tick box of 169 pixels with its box, Tahoma 12 bold.</extracomment>
        <translation>Διαγραφή</translation>
    </message>
    <message>
        <source>Export Results</source>
        <extracomment>A tick box of 169 pixels with its box, Tahoma 12 bold; also the file chooser&apos;s title.</extracomment>
        <translation>Εξαγωγή βαθμών</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>A button of 83 pixels, Tahoma 18 bold.</extracomment>
        <translation>Έξοδος</translation>
    </message>
    <message>
        <source>&lt;&lt; Previous Page</source>
        <extracomment>A button of 213 pixels, Tahoma 15.75 bold.</extracomment>
        <translation>&lt;&lt; Προηγούμενη</translation>
    </message>
    <message>
        <source>Next Page &gt;&gt;</source>
        <extracomment>A button of 213 pixels, Tahoma 15.75 bold.</extracomment>
        <translation>Επόμενη &gt;&gt;</translation>
    </message>
    <message>
        <source>There are no worksheets yet. Write one with the Multiple Choice Wizard on the main menu.</source>
        <extracomment>One line of 784 pixels, Tahoma 12 bold.</extracomment>
        <translation>Δεν υπάρχουν ακόμη φύλλα εργασίας. Γράψτε ένα με τον Οδηγό πολλαπλής επιλογής του μενού.</translation>
    </message>
    <message>
        <source>This worksheet seems to be corrupted.</source>
        <translation>Αυτό το φύλλο εργασίας φαίνεται να είναι κατεστραμμένο.</translation>
    </message>
    <message>
        <source>Are you sure that you want to delete the worksheet %1?</source>
        <translation>Θέλετε σίγουρα να διαγράψετε το φύλλο εργασίας %1;</translation>
    </message>
    <message>
        <source>There was a problem deleting your worksheet</source>
        <translation>Παρουσιάστηκε πρόβλημα κατά τη διαγραφή του φύλλου εργασίας σας</translation>
    </message>
    <message>
        <source>Spreadsheet files (%1)</source>
        <translation>Αρχεία υπολογιστικών φύλλων (%1)</translation>
    </message>
    <message>
        <source>There was a problem exporting the results</source>
        <translation>Παρουσιάστηκε πρόβλημα κατά την εξαγωγή των αποτελεσμάτων</translation>
    </message>
    <message>
        <source>1 result was written to %1.</source>
        <translation>1 αποτέλεσμα γράφτηκε στο %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n results were written to %1.</source>
        <translation>
            <numerusform>%n αποτέλεσμα γράφτηκε στο %1.</numerusform>
            <numerusform>%n αποτελέσματα γράφτηκαν στο %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 result file could not be read and was left out.</source>
        <translation>1 αρχείο αποτελεσμάτων δεν διαβάστηκε και παραλείφθηκε.</translation>
    </message>
    <message numerus="yes">
        <source>%n result files could not be read and were left out.</source>
        <translation>
            <numerusform>%n αρχείο αποτελεσμάτων δεν διαβάστηκε και παραλείφθηκε.</numerusform>
            <numerusform>%n αρχεία αποτελεσμάτων δεν διαβάστηκαν και παραλείφθηκαν.</numerusform>
        </translation>
    </message>
</context>
</TS>
