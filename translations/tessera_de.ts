<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>app</name>
    <message>
        <source>Tessera2 encrypts short typed messages into message files and enciphers
whole files into copies, under a password. A wizard leads through one
operation page by page; the advanced mode is one window with every command
at hand. tessera-cli runs the same operations from scripts.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It needs a desktop session; without one, run it under a virtual X server:
xvfb-run -a tessera.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QT-OPTIONS are Qt&apos;s own, for example -style Fusion, -reverse or
-platform offscreen. ENGINE-OPTIONS are the web page viewer&apos;s (Qt WebEngine),
for example --webEngineArgs --no-sandbox; the engine reads none of the
options before --webEngineArgs, and none at all while the variable
QTWEBENGINE_CHROMIUM_FLAGS is set.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two formats. Classic, the default, is a classical additive cipher kept so
that files of earlier versions still open; a file&apos;s copy has its length. It
hides a message from a casual reader; it does not protect it against a
determined attacker. Sealed (the options window, the wizard&apos;s options page
or the file window&apos;s Sealed box) is real, authenticated encryption with
Argon2id and XChaCha20-Poly1305: a wrong password or a changed file is
refused. A sealed copy is 57 bytes longer than its input, plus 16 bytes per
64 KiB. With Sealed chosen, decrypting insists on a sealed input; without,
a sealed input is recognised by itself.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tessera: no display found; start it from a desktop session, or headless with: xvfb-run -a %1
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>%1: give INPUT and OUTPUT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the password and INPUT cannot both come from standard input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: an encrypted file is binary and is not written to a terminal; redirect standard output to a file or a pipe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>standard input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>standard output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave out --sealed to decrypt a classic one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this input asks for %1 passes over %2 to derive its key, more than the usual %3 over %4: this may take a while</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 is far larger than such a file can be</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read %1 %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the identity file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password of %1: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot use the identity file %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>keygen: give the identity file as --output IDENTITY, and no other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>keygen: --output IDENTITY is required (an identity is secret and goes to a new file of its own)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>keygen: --password-file goes with --protect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wrote the identity %1. Keep it safe: if it is lost%2, nothing sealed to it can be opened. %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> or its password forgotten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep a copy somewhere else.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep a protected copy somewhere else: tessera-cli encrypt --sealed --output COPY %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: a file may be sealed to at most %2 people; %3 were given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: --to and --to-file seal to people, with no password and neither --pic nor --junkbitz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 is sealed to people: give --identity IDENTITY (it needs no password)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already exists; keygen never replaces a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the encryption library failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>recipient: give one IDENTITY file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--to: %1 Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the people file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, line %2: %3 Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 was not decrypted: it is larger than 1 MB, far larger than any message file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>encrypt: --output MESSAGEFILE is required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>encrypt: give at most one TEXTFILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>encrypt: --pic and --junkbitz are for the classic format; a sealed message needs neither</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the message is longer than %1 characters; nothing was written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the message is not valid UTF-8 (use --raw for single-byte text)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the message is empty; no file was written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>decrypt: give exactly one MESSAGEFILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>decrypt: the password and MESSAGEFILE cannot both come from standard input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave out --sealed to open a classic one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the text holds the character %1, which has no single-byte code; leave out --raw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the text to standard output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the password is longer than %1 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the password in %1 is not valid UTF-8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the password is empty: put it in the file that --password-file names, or type it at the prompt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no password: give --password-file PW (there is no terminal to ask on)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the terminal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no password: give --password-file PW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New password: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The same again: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the two passwords differ; nothing was written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read the password file %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>warning: %1 password (%2 to guess); a sealed file is only as strong as its password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>interrupted; nothing was written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>encrypt    writes the message (TEXTFILE, or standard input) into a message file.
decrypt    reads a message file and writes its text to TEXTFILE or standard output.
encrypt-file, decrypt-file
           encipher or decipher any file into a copy.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two formats:
classic    the default, which every earlier version of Tessera reads and writes. A
           classical additive cipher: it hides a text from a casual reader, not from
           a determined attacker, and a wrong password gives garbage without a word.
           A message file holds one number line per character; --pic adds the
           program&apos;s intrinsic code to the key, --junkbitz a junk number before every
           value (the reader learns both from the file). A file&apos;s copy has its length.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--sealed   real, authenticated encryption: Argon2id and XChaCha20-Poly1305. A wrong
           password or a changed, cut or reordered file is refused and nothing is
           written. A sealed copy is 57 bytes longer than its input, plus 16 bytes
           per 64 KiB; a sealed message may hold any character, and its file is
           that copy of the text&apos;s UTF-8 in base64 under a tag line. Earlier versions
           of Tessera cannot read it.
           decrypt and decrypt-file recognise a sealed input by themselves; with
           --sealed they insist on one and refuse a classic input. An input that is
           almost sealed is refused as damaged, never read as classic.
           A sealed file is only as strong as its password: on a terminal, encrypt
           and encrypt-file warn in one line of a password guessed in under a year.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sealed to people: a sealed file or message that opens with each person&apos;s own key,
with no shared password (X25519, HKDF-SHA-256, ChaCha20-Poly1305):
keygen     makes an identity (a secret key) in a new file that only its owner may
           read, and prints its recipient: the public key, one line starting
           tessera1, whose checksum catches every typo. Pass the recipient on; keep
           the identity. Losing it loses what was sealed to it: keep a protected
           copy. --protect puts the identity under a password (asked, or from
           --password-file).
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>recipient  prints the recipient of an identity file.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--to       seals to a recipient, --to-file to each recipient of a file (one a line;
           # starts a comment, which may name the person); both may be repeated, and
           no password is asked. Add your own recipient to read what you sent. A
           recipient with a typo, or an identity given as one, is refused before
           anything is written.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--identity opens what was sealed to it; several may be given. --password-file then
           unlocks protected identities: the file itself needs no password.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PW holds the password (one trailing line end is ignored); without --password-file
the password is asked on the terminal. Text is UTF-8; a classic message must fit the
Windows-1252 code page, and --raw reads and writes its single-byte codes unconverted.
Standard streams: &quot;-&quot; is standard input as TEXTFILE, MESSAGEFILE, INPUT or PW,
and standard output as --output or OUTPUT; /dev/stdin, /dev/stdout, /dev/fd/N and
/proc/self/fd/N are written and read through the descriptor itself, so a pipe
works and a shell&apos;s &gt;&gt; appends. encrypt-file and decrypt-file take standard input
only for a sealed file (the classic cipher needs its input&apos;s length), and an
encrypted file is never written to a terminal. A pipe or device receives a sealed
file&apos;s text as it is checked, so after a refusal discard what it already
received; a regular file, one reached through a descriptor too, is never left
partial.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A sealed input whose key costs more than the usual 3 passes over 64 MiB (a reader
takes up to 10 passes over 1 GiB) is announced in one line before its key is
derived; a signal ends the derivation at once.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit status: 0 success; 1 failure (the reason on standard error); 2 wrong usage;
for a sealed input that was refused: 3 it does not open (the password is wrong,
it is not sealed to the identities given, or it was changed), 4 it is damaged, cut
short, or of a version or cost not taken, 5 --sealed was given and the input is not
sealed.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file that holds the password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file to write; - is standard output.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A person&apos;s recipient.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A file of recipients.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An identity file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: unknown option --%2 (see --help)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 (see --help)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown command %1 (see --help)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Version 2.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tessera enables anyone to use a userfriendly encryption application.  Written by the people, made for the people; Tessera is without backdoors or master keyz.  Difficult to crack because it doesn&apos;t store passwords, but takes any password.  Only the correct one will give you legible information, of course.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: I am not responsible for the usage of my program nor for those who export the information created by the program.  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmAdvanced</name>
    <message>
        <source>Advanced Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These options allow you to fortify your encryption.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A PIC or Program Intrinsic Code allows you, the user, to strengthen your password without any complications.  The PIC makes your password better without changing the length of the text which goes through the output. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JunkBitz or JB is a system in which peices of junk which are not going to be read by this program are place in the output code.  The output code size is increased, but the information his hidden within the junk area.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What would you like to use?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Real encryption: without the password nobody reads it, and a wrong password or a changed file is refused.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sealed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sealed (strong, authenticated)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmBack</name>
    <message>
        <source>Backgroundz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load  your own picture for a background below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmBrowser</name>
    <message>
        <source>&amp;Address:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmCompile</name>
    <message>
        <source>File Compile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Here is the text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filename and Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go Back to Wizard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmEncDec</name>
    <message>
        <source>Do you want to Encrypt or Decrypt?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What do you want to do? Press either Encrypt or Decrypt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encryption is the usage of simple mathmatics to code a message so that the key or password is required in order to decipher the message&apos;s text.  Press encrypt to write a message.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decryption is the mathmatical system of using a password or key to make an encrypted message legible.  Press decrypt if you want to read or print a message which has been encrypted using this program.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmEncFile</name>
    <message>
        <source>Encrypt a File using Binary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File to encrypt or decrypt:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encrypt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decrypt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encrypted or decrypted file to create:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encrypt with real, authenticated encryption. While this is ticked, Decrypt opens only sealed files and refuses classic ones; without the tick it opens either kind.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sealed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmFile</name>
    <message>
        <source>File to read or create</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you are Encrypting enter the name of the file you wish to create below.  If you are Decrypting type the path of the designated file or use the browse option to find it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search for file to create or decrypt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmFinish</name>
    <message>
        <source>Finish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Now you have finished all the necessary information.  You may press the finish button to carry out the command, or you may use the Back button to make sure all of your previous information is correct.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>How to Use Tessera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encryption:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To Encrypt enter a password and Type what text you want to send.  When you are finished, select a file to create and then press the Encrypt button.  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decryption:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To Decrypt simply type in the file to be decrypted at the bottom or use the Browse button to select the file.  At the top enter the password.  Passwords are case sensitive.  When you are ready press the decrypt button.  If the password you typed is correct then the correct message should appear in the box below the password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If your program was shut down incorrectly, and it no longer works properly, try pressing the TesseraFix button provided here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tessera Fix</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmKeys</name>
    <message>
        <source>Keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open keys (your identities):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New key…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open key…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forget every open key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password (of a protected key):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password again (for a new key or a protected copy):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protect a new key with this password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your recipient: give it to those who seal to you.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep your key safe: if it is lost, or its password forgotten, nothing sealed to it opens again. Keep a copy protected by a password somewhere else.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protected copy…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>People</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>People file:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recipient</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recipient (paste it here):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is far larger than such a file can be</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmLoad</name>
    <message>
        <source>Tessera is Loading...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Enter Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the Password for the file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press here to encrypt a message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press here to decrypt a message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Text to be Encrypted below:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File to Create:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Commandz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press to clear all feilds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Come to my Web Page and see all of my programz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add/Change the background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print whatever text appears in the box on the left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File to read or create:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search for file to create or decrypt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;ncrypt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Decrypt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keys…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Visit My Web Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Backgrounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go to Wizard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How to work Tessera</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmPW</name>
    <message>
        <source>Enter Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every crypto program requires a password or a key.  Below fill in a password of at least 6 characters.  This password is what makes the message legible during decryption.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmPrintShow</name>
    <message>
        <source>Which would you like?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You now have the option to simply print out the decrypted file, view the text, or do both .  Just check the boxes below of what it is you want Tessera to do.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmSecret</name>
    <message>
        <source>Secret</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmTextEnc</name>
    <message>
        <source>Text to Encrypt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Below enter the body of the text which is the message.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmWizard1</name>
    <message>
        <source>Which of the following fromats would you like to use for Tessera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tessera Wizard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tessera wizard enables those who have never used encryption before to use it immediately.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tessera advanced mode allows you to use Tessera as most crypto programz with a fast traditional yet advanced interface.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmWizardAdvanced</name>
    <message>
        <source>Advanced Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These options allow you to fortify your encryption.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A PIC or Program Intrinsic Code allows you, the user, to strengthen your password without any complications.  The PIC makes your password better without changing the length of the text which goes through the output.  And there is no added information required, Tessera 2.0 or higher can automatically detect if a PIC was used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JunkBitz or JB is a system in which peices of junk, which are thrown away  by this program during decryption,  are place in the output code.  The output code size is increased, but the information his hidden within the junk area.  Making it more difficult to break.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What would you like to use?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Real encryption: without the password nobody reads it, and a wrong password or a changed file is refused.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sealed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sealed (strong, authenticated)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your keys, and the people you seal to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keys…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>No printer is installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer stopped in the middle of the text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer could not finish the document.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The text was not printed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the web engine does not run for the administrator (root) with its sandbox on. Run Tessera2 as an ordinary user, or set QTWEBENGINE_DISABLE_SANDBOX=1 to switch the sandbox off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the web engine&apos;s helper program (QtWebEngineProcess) is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the web engine&apos;s resources (qtwebengine_resources.pak) are missing</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>resources</name>
    <message>
        <source>VERSION 2.0</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::CostQuestion</name>
    <message>
        <source>Opening &quot;%1&quot; takes %2 passes over %3 of memory to find its key, more than the usual %4 over %5: it may take a long time and much of the computer&apos;s memory, and cannot be stopped part way.

Open it anyway?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::FormatCaption</name>
    <message>
        <source>Format: Sealed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format: Classic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encrypts in the sealed format: strong, authenticated encryption.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encrypts in the classic format, which hides the text from a casual reader only; choose Sealed for anything secret.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens sealed input only (Sealed is chosen).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens classic or sealed input, recognised by itself.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::PasswordMeter</name>
    <message>
        <source>Password strength</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::ReplaceQuestion</name>
    <message>
        <source>The file &quot;%1&quot; already exists and is not a message file.

Replace it with the encrypted message? Everything it holds now will be lost.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::frmAbout</name>
    <message>
        <source>About %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::frmAdvanced</name>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::frmBack</name>
    <message>
        <source>Tessera Background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file you selected could not be found!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::frmBrowser</name>
    <message>
        <source>The web page cannot be shown here: %1.

Its address is %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Working...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::frmEncDec</name>
    <message>
        <source>Encrypt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decrypt</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::frmEncFile</name>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::frmFile</name>
    <message>
        <source>Tessera File</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::frmFlash</name>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::frmHelp</name>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Problemz Fixed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is believed that TesseraFix could not fix the problem</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::frmKeys</name>
    <message>
        <source>The key file %1 cannot be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The key file %1 cannot be used: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The key in %1 is protected by a password. Type it in the Password box, then open the key again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the key&apos;s password in both password boxes (or untick the password).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The two passwords differ. Type them again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The encryption library could not make a key.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where to keep the new key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where to keep the protected copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A copy of the key, protected by the password, is in %1. Keep it somewhere else than the key itself.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already exists. A key is always written to a new file: choose another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The encryption library failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be written: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1  (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The people list has changes that are not saved. Open another file and lose them?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a people file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The people file %1 cannot be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a people file. Its line %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the people file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds a key (an identity). A people file never replaces a key: choose another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This recipient is in the list already, as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the person&apos;s name too, so that you can find them in the list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the person to rename in the list first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the person&apos;s new name in the Name box.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the person to remove in the list first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not saved yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>People file: %1 (changed)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>People file: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The people list has changes that are not saved in a file; they are lost when the program ends. Close the window without saving them?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::frmMain</name>
    <message>
        <source>Encrypt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decrypt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Encryption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tessera File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must be logged on to your ISP, would you like to continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internet Service Provider</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum amount of Characters reached!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::frmPW</name>
    <message>
        <source>Passwords do not match!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This program was created by OrBiT</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::frmSecret</name>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::frmTextEnc</name>
    <message>
        <source>You must have at least one character</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::frmWizard1</name>
    <message>
        <source>Advanced</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::frmWizardAdvanced</name>
    <message>
        <source>A sealed message is only as strong as its password, and this one is very weak: it could be guessed in %1.

Seal the message with it anyway? No goes back to the password page.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
