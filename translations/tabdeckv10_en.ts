<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en_US">
<context>
    <name>ButtonMenu</name>
    <message>
        <source>Application act normal</source>
        <translation>Application acts normally</translation>
    </message>
    <message>
        <source>Set all the buttons color</source>
        <translation>Set all the buttons&apos; color</translation>
    </message>
    <message>
        <source>Set the buttons default color</source>
        <translation>Set the buttons&apos; default color</translation>
    </message>
    <message>
        <source>Set all the tables color</source>
        <translation>Set all the tables&apos; color</translation>
    </message>
    <message>
        <source>Set the tables default color</source>
        <translation>Set the tables&apos; default color</translation>
    </message>
    <message>
        <source>Open a application for the button</source>
        <translation>Open an application for the button</translation>
    </message>
</context>
<context>
    <name>EditSession</name>
    <message>
        <source>There is no back up file to restore with!</source>
        <translation>There is no backup file to restore with!</translation>
    </message>
    <message>
        <source>The Control File was Restored!<byte value="xd"/>It will take affect the next time the program opens!</source>
        <translation>The Control File was Restored!<byte value="xd"/>It will take effect the next time the program opens!</translation>
    </message>
</context>
<context>
    <name>EmailHelpMenu</name>
    <message>
        <source>Send Mail:<byte value="xd"/><byte value="xd"/>The Send Mail method sends the E-Mail message, if everything is setup right.<byte value="xd"/><byte value="xd"/>Before you Send Mail you have to Setup your e-mail information on the Setup Page.<byte value="xd"/></source>
        <translation>Send Mail:<byte value="xd"/><byte value="xd"/>The Send Mail method sends the E-Mail message, if everything is set up right.<byte value="xd"/><byte value="xd"/>Before you Send Mail you have to set up your e-mail information on the Setup Page.<byte value="xd"/></translation>
    </message>
    <message>
        <source>E-mail List:<byte value="xd"/><byte value="xd"/>Double click a e-mail address in the list, and the e-mail address is placed in the TO: Box.<byte value="xd"/></source>
        <translation>E-mail List:<byte value="xd"/><byte value="xd"/>Double click an e-mail address in the list, and the e-mail address is placed in the TO: Box.<byte value="xd"/></translation>
    </message>
    <message>
        <source>Add Button:<byte value="xd"/><byte value="xd"/>Click here to add the e-mail address, and name to the list.<byte value="xd"/><byte value="xd"/>To remove a e-mail address and name from the list, highlight a e-mail address or name and click the right mouse button.<byte value="xd"/></source>
        <translation>Add Button:<byte value="xd"/><byte value="xd"/>Click here to add the e-mail address, and name to the list.<byte value="xd"/><byte value="xd"/>To remove an e-mail address and name from the list, highlight an e-mail address or name and click the right mouse button.<byte value="xd"/></translation>
    </message>
    <message>
        <source>Enter you e-mail host:</source>
        <translation>Enter your e-mail host:</translation>
    </message>
    <message>
        <source>Enter you e-mail host:<byte value="xd"/><byte value="xd"/>Here you enter your e-mail host.<byte value="xd"/>Example: </source>
        <translation>Enter your e-mail host:<byte value="xd"/><byte value="xd"/>Here you enter your e-mail host.<byte value="xd"/>Example: </translation>
    </message>
    <message>
        <source>Select File Type:<byte value="xd"/><byte value="xd"/>Select the type of file your are sending.<byte value="xd"/><byte value="xd"/>The type is used for specifying a sub-type for e-mail documents.<byte value="xd"/>     HTML (Hyper Text Markup Language) Document.<byte value="xd"/>     Rich Text Format.<byte value="xd"/>     SGML (Standard Generalized Markup Language) Document.<byte value="xd"/>     Plain Text Format (Default).<byte value="xd"/></source>
        <translation>Select File Type:<byte value="xd"/><byte value="xd"/>Select the type of file you are sending.<byte value="xd"/><byte value="xd"/>The type is used for specifying a sub-type for e-mail documents.<byte value="xd"/>     HTML (Hyper Text Markup Language) Document.<byte value="xd"/>     Rich Text Format.<byte value="xd"/>     SGML (Standard Generalized Markup Language) Document.<byte value="xd"/>     Plain Text Format (Default).<byte value="xd"/></translation>
    </message>
</context>
<context>
    <name>EmailSetupPage</name>
    <message>
        <source>Enter you e-mail host:</source>
        <translation>Enter your e-mail host:</translation>
    </message>
</context>
<context>
    <name>EmailSetupSaver</name>
    <message>
        <source>Are you sure you want to save the the e-mail setup now?</source>
        <translation>Are you sure you want to save the e-mail setup now?</translation>
    </message>
</context>
<context>
    <name>ExtractorHelp</name>
    <message>
        <source>Here you save the current icon that is selected.<byte value="xd"/>The current icon is showen in the image at the top.<byte value="xd"/></source>
        <translation>Here you save the current icon that is selected.<byte value="xd"/>The current icon is shown in the image at the top.<byte value="xd"/></translation>
    </message>
</context>
<context>
    <name>FolderOps</name>
    <message>
        <source>Are you sure you want to create (Folder) Diredtory </source>
        <translation>Are you sure you want to create (Folder) Directory </translation>
    </message>
    <message>
        <source>Are you sure you want to Remove (Folder) Diredtory </source>
        <translation>Are you sure you want to Remove (Folder) Directory </translation>
    </message>
</context>
<context>
    <name>HelpTexts</name>
    <message>
        <source>Main Menu:<byte value="xd"/><byte value="xd"/>Right Click on a Button to bring up the Main Menu.<byte value="xd"/><byte value="xd"/>Open: Here you open about any type of file, folder or webaddress to install on the selected button. A Windows Shortcut for files, folders and webaddresses will not work in TabdeckV10. To install a folder or webaddress on a button, Drag &amp; Drop them on the button. When a file, folder or webaddress that does not have a icon in it, is opened or Drag &amp; Dropped on a button, a Picture Dialog opens to let you select a icon for the button.<byte value="xd"/><byte value="xd"/>TIP for ICONS:<byte value="xd"/>In the Main Menu go to Options, Extract Icons..., and extract some icons for the buttons to use.<byte value="xd"/><byte value="xd"/>Cut: Here you cut the button application from the selected button, so you can move (Paste) it on another button.<byte value="xd"/><byte value="xd"/>Paste: Here you paste the button application you cut to the button you select. This moves Button 1 App to Button 2. Button 1 and Button 2 = the buttons you selected.<byte value="xd"/><byte value="xd"/>Delete: Here you Delete the application from the button. Then you can install another application on the button.<byte value="xd"/><byte value="xd"/>File Prop...: Here you get the selected button&apos;s file&apos;s properties. A Dialog Box opens where you can copy the file&apos;s properties to the clipboard. Right Click in the Dialog Box to bring up the Edit Menu.<byte value="xd"/></source>
        <translation>Main Menu:<byte value="xd"/><byte value="xd"/>Right Click on a Button to bring up the Main Menu.<byte value="xd"/><byte value="xd"/>Open: Here you open about any type of file, folder or web address to install on the selected button. A Windows Shortcut for files, folders and web addresses will not work in TabdeckV10. To install a folder or web address on a button, Drag &amp; Drop them on the button. When a file, folder or web address that does not have an icon in it, is opened or Drag &amp; Dropped on a button, a Picture Dialog opens to let you select an icon for the button.<byte value="xd"/><byte value="xd"/>TIP for ICONS:<byte value="xd"/>In the Main Menu go to Options, Extract Icons..., and extract some icons for the buttons to use.<byte value="xd"/><byte value="xd"/>Cut: Here you cut the button application from the selected button, so you can move (Paste) it on another button.<byte value="xd"/><byte value="xd"/>Paste: Here you paste the button application you cut to the button you select. This moves Button 1 App to Button 2. Button 1 and Button 2 = the buttons you selected.<byte value="xd"/><byte value="xd"/>Delete: Here you Delete the application from the button. Then you can install another application on the button.<byte value="xd"/><byte value="xd"/>File Prop...: Here you get the selected button&apos;s file&apos;s properties. A Dialog Box opens where you can copy the file&apos;s properties to the clipboard. Right Click in the Dialog Box to bring up the Edit Menu.<byte value="xd"/></translation>
    </message>
    <message>
        <source>Options:<byte value="xd"/><byte value="xd"/>Rename Tables: Here you rename the tables to any name you want. This makes it better for you to locate applications in the 30 Tables.<byte value="xd"/><byte value="xd"/>E-mail...: Here you E-mail a document or file. The E-mail Dialog Box has it&apos;s own Help Files.<byte value="xd"/><byte value="xd"/>Extract Icons...: Here you extract Icons from *.exe and *.dll files. You use the icons for the buttons when a file does not have it&apos;s own icon. Folders and webaddress do not have a icon in them that TabdeckV10 can extract and use on a button, so you have to select a icon for the button. Extract Icons has it&apos;s own Help File.<byte value="xd"/><byte value="xd"/>Convert Icons...: Here you convert Icons to Bitmaps. Convert Icons has it&apos;s own Help File.<byte value="xd"/><byte value="xd"/>Files/Folders...: Here you work with files and folders. Files/Folders has it&apos;s own Help File.<byte value="xd"/><byte value="xd"/>View Pictures...: Here you Open Pictures to view. View Pictures has it&apos;s own Help File.<byte value="xd"/><byte value="xd"/>Close/Hide: Here you select to Close or Hide Tabdeck when you execute a button. If you select Hide then Tabdeck hides to the left side of the screen, so to open Tabdeck again just touch the red end of Tabdeck with the mouse pointerand it pops to the center of the screen to use again.<byte value="xd"/><byte value="xd"/>App Style: Here you select the Application Style.<byte value="xd"/>Stay on Top: Tabdeck Stays on top of all applications.<byte value="xd"/>Normal: Tabdeck acts normal.<byte value="xd"/></source>
        <translation>Options:<byte value="xd"/><byte value="xd"/>Rename Tables: Here you rename the tables to any name you want. This makes it better for you to locate applications in the 30 Tables.<byte value="xd"/><byte value="xd"/>E-mail...: Here you E-mail a document or file. The E-mail Dialog Box has its own Help Files.<byte value="xd"/><byte value="xd"/>Extract Icons...: Here you extract Icons from *.exe and *.dll files. You use the icons for the buttons when a file does not have its own icon. Folders and web address do not have an icon in them that TabdeckV10 can extract and use on a button, so you have to select an icon for the button. Extract Icons has its own Help File.<byte value="xd"/><byte value="xd"/>Convert Icons...: Here you convert Icons to Bitmaps. Convert Icons has its own Help File.<byte value="xd"/><byte value="xd"/>Files/Folders...: Here you work with files and folders. Files/Folders has its own Help File.<byte value="xd"/><byte value="xd"/>View Pictures...: Here you Open Pictures to view. View Pictures has its own Help File.<byte value="xd"/><byte value="xd"/>Close/Hide: Here you select to Close or Hide Tabdeck when you execute a button. If you select Hide then Tabdeck hides to the left side of the screen, so to open Tabdeck again just touch the red end of Tabdeck with the mouse pointer and it pops to the center of the screen to use again.<byte value="xd"/><byte value="xd"/>App Style: Here you select the Application Style.<byte value="xd"/>Stay on Top: Tabdeck Stays on top of all applications.<byte value="xd"/>Normal: Tabdeck acts normal.<byte value="xd"/></translation>
    </message>
    <message>
        <source>Properties:<byte value="xd"/><byte value="xd"/>Colors:<byte value="xd"/>Button Color: Here you Set all the buttons color.<byte value="xd"/>Default Color: Here you Set the buttons to their default color, clBtFace.<byte value="xd"/><byte value="xd"/>Table Color: Here you Set all the tables color.<byte value="xd"/>Default Color: Here you Set all the tables to their default color, clBtFace.<byte value="xd"/><byte value="xd"/>Program Color: Here you Set Tabdeck&apos;s color.<byte value="xd"/>Default Color: Here you Set Tabdeck to it&apos;s default color, clBtnFace.<byte value="xd"/><byte value="xd"/>Open With: Here you open with the selected table showing the next time Tabdeck opens.<byte value="xd"/><byte value="xd"/>Reminder: Here you remind yourself in how long of time.<byte value="xd"/> Start: Here you Enter when to be reminded.<byte value="xd"/>Stop: Here you Stop Reminder.<byte value="xd"/></source>
        <translation>Properties:<byte value="xd"/><byte value="xd"/>Colors:<byte value="xd"/>Button Color: Here you Set all the buttons&apos; color.<byte value="xd"/>Default Color: Here you Set the buttons to their default color, clBtnFace.<byte value="xd"/><byte value="xd"/>Table Color: Here you Set all the tables&apos; color.<byte value="xd"/>Default Color: Here you Set all the tables to their default color, clBtnFace.<byte value="xd"/><byte value="xd"/>Program Color: Here you Set Tabdeck&apos;s color.<byte value="xd"/>Default Color: Here you Set Tabdeck to its default color, clBtnFace.<byte value="xd"/><byte value="xd"/>Open With: Here you open with the selected table showing the next time Tabdeck opens.<byte value="xd"/><byte value="xd"/>Reminder: Here you remind yourself in how long of time.<byte value="xd"/> Start: Here you Enter when to be reminded.<byte value="xd"/>Stop: Here you Stop Reminder.<byte value="xd"/></translation>
    </message>
    <message>
        <source>Services PopUp Menu:<byte value="xd"/><byte value="xd"/>If you are Using Windows XP and you Right Click on the Door Icon a Services Menu Pops Up. On the menu are some Windows Services Programs you can open. Like Computer Managment, Device Manager, Disk Management and so on.<byte value="xd"/></source>
        <translation>Services PopUp Menu:<byte value="xd"/><byte value="xd"/>If you are Using Windows XP and you Right Click on the Door Icon a Services Menu Pops Up. On the menu are some Windows Services Programs you can open. Like Computer Management, Device Manager, Disk Management and so on.<byte value="xd"/></translation>
    </message>
</context>
<context>
    <name>IconConverter</name>
    <message>
        <source>Open a Icon File</source>
        <translation>Open an Icon File</translation>
    </message>
    <message>
        <source><byte value="xd"/>Bitmap dementions:<byte value="xd"/>32 x 32</source>
        <translation><byte value="xd"/>Bitmap dimensions:<byte value="xd"/>32 x 32</translation>
    </message>
</context>
<context>
    <name>MailSender</name>
    <message>
        <source>Slect File to Send</source>
        <translation>Select File to Send</translation>
    </message>
    <message>
        <source>Before you can e-mail a file, you have to setup the e-mail!</source>
        <translation>Before you can e-mail a file, you have to set up the e-mail!</translation>
    </message>
    <message>
        <source>The e-mail was sent, your done sending e-mail!</source>
        <translation>The e-mail was sent, you&apos;re done sending e-mail!</translation>
    </message>
</context>
<context>
    <name>OptionsMenu</name>
    <message>
        <source>Are you sure you want to set the buttons default color?</source>
        <translation>Are you sure you want to set the buttons&apos; default color?</translation>
    </message>
    <message>
        <source>Are you sure you want to set the tables default color?</source>
        <translation>Are you sure you want to set the tables&apos; default color?</translation>
    </message>
</context>
<context>
    <name>PathnookHelp</name>
    <message>
        <source>        In  Here you can Open Folders or Delete Folders.</source>
        <translation>        In this box you can Open Folders or Delete Folders.</translation>
    </message>
    <message>
        <source>        This has a help file, that shows you how to us Registry Box</source>
        <translation>        This has a help file, that shows you how to use Registry Box</translation>
    </message>
    <message>
        <source>        To open this featur Righr Click on the Select File Filter Box.</source>
        <translation>        To open this feature Right Click on the Select File Filter Box.</translation>
    </message>
</context>
<context>
    <name>PathnookSettings</name>
    <message>
        <source>Is it OK to Delete the Key (Pathnook) and lose it&apos;s Values?</source>
        <translation>Is it OK to Delete the Key (Pathnook) and lose its Values?</translation>
    </message>
    <message>
        <source>The Key Pathnook does not Exixts the Registry.</source>
        <translation>The Key Pathnook does not exist in the Registry.</translation>
    </message>
</context>
<context>
    <name>ReminderMenu</name>
    <message numerus="yes">
        <source>Reminder is set to remind you in %1 minutes.</source>
        <translation>
            <numerusform>Reminder is set to remind you in %1 minute.</numerusform>
            <numerusform>Reminder is set to remind you in %1 minutes.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SlotOperations</name>
    <message>
        <source>Tabdeck CANNOT OPEN Window&apos;s Shortcuts!<byte value="xd"/>Please open the folder the program is in and Drag &amp;&amp; Drop the original file onto a Tabdeck button.</source>
        <translation>Tabdeck CANNOT OPEN Windows Shortcuts!<byte value="xd"/>Please open the folder the program is in and Drag &amp;&amp; Drop the original file onto a Tabdeck button.</translation>
    </message>
    <message>
        <source>The Program was Setup on Button %1</source>
        <translation>The Program was set up on Button %1</translation>
    </message>
</context>
<context>
    <name>TCVert1</name>
    <message>
        <source>Here you open a Icon file to to convert to a Bitmap.<byte value="xd"/></source>
        <translation>Here you open an Icon file to convert to a Bitmap.<byte value="xd"/></translation>
    </message>
    <message>
        <source>Open a Icon File</source>
        <translation>Open an Icon File</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Tabel 1</source>
        <translation>Table 1</translation>
    </message>
</context>
<context>
    <name>TViewPic</name>
    <message>
        <source>Setup the printer</source>
        <translation>Set up the printer</translation>
    </message>
    <message>
        <source>Setup...: Setup the printer.<byte value="xd"/>Print...: Print the picture.<byte value="xd"/>Abort: Abort the print job.<byte value="xd"/></source>
        <translation>Setup...: Set up the printer.<byte value="xd"/>Print...: Print the picture.<byte value="xd"/>Abort: Abort the print job.<byte value="xd"/></translation>
    </message>
</context>
<context>
    <name>ToolsMenus</name>
    <message>
        <source>Windows Command Promt</source>
        <translation>Windows Command Prompt</translation>
    </message>
    <message>
        <source>Computer Managment</source>
        <translation>Computer Management</translation>
    </message>
    <message>
        <source>Windows Management Infrastracture (WMI)</source>
        <translation>Windows Management Infrastructure (WMI)</translation>
    </message>
    <message>
        <source>Componet Services</source>
        <translation>Component Services</translation>
    </message>
    <message>
        <source>Windows Componet Services</source>
        <translation>Windows Component Services</translation>
    </message>
</context>
</TS>
