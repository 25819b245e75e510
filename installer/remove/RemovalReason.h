#pragma once
// RemovalReason: why the uninstaller left something of the install log
// alone. Each reason has a text in the uninstaller's string table
// (kReasonTexts plus its number), so the order is fixed.
enum class RemovalReason {
  kNone,
  // Lines of the log that name nothing usable.
  kNotUnderstood,
  kIncompleteLine,      // the last line has no line end: cut off while written
  kRepeatedLine,        // a second TITLE, PATH or ICONUSERGROUP line of one group
  kNotFullPath,
  kSystemFolder,        // in the Windows or system folder
  kOutsideDestination,  // a file or folder outside the installation folder
  kNotShortcut,         // an ICON line that names no ".lnk" file
  kForeignKey,          // a registry key or value that the installation does not make
  kBadGroupName,        // a program group name that is not one folder name
  kOtherDestination,    // a PATH line that names another folder than the log's: the whole log is damaged
  kNotShortcutPlace,    // a shortcut outside the program group and not directly on a desktop
  kOtherUninstallEntry, // an uninstall entry whose command starts another uninstaller
  // What the system showed when the uninstaller looked.
  kInsideLink,          // reached through a junction or symbolic link
  kLink,                // a junction or symbolic link that could not be removed as a link
  kNotPlainFile,
  kNotFolder,
  kNotEmpty,            // a folder or key that holds what the installation did not make
  kOtherProgram,        // a file association that now names another program
  kShortcutElsewhere,   // a shortcut that starts nothing in the installation folder
  kChangedSinceInstall, // a file written after the installation: the learner's now
  kError,               // a system error, with its code
};
