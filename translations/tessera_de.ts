<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Words</name>
    <message>
        <source>The file &quot;%1&quot; could not be read (%2).</source>
        <translation>Die Datei &quot;%1&quot; konnte nicht gelesen werden (%2).</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written (%2).</source>
        <translation>Die Datei &quot;%1&quot; konnte nicht geschrieben werden (%2).</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be created (%2).</source>
        <translation>Die Datei &quot;%1&quot; konnte nicht angelegt werden (%2).</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be found.</source>
        <translation>Die Datei &quot;%1&quot; wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a file.</source>
        <translation>&quot;%1&quot; ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an ordinary file.</source>
        <translation>&quot;%1&quot; ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>You may not read the file &quot;%1&quot;.</source>
        <translation>Sie dürfen die Datei &quot;%1&quot; nicht lesen.</translation>
    </message>
    <message>
        <source>The classic file cipher needs the length of its input, and &quot;%1&quot; is a stream that has none: give a file instead.</source>
        <translation>Die klassische Dateichiffre braucht die Länge ihrer Eingabe, und &quot;%1&quot; ist ein Datenstrom, der keine hat: Geben Sie stattdessen eine Datei an.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; became shorter while it was read.</source>
        <translation>Die Datei &quot;%1&quot; ist beim Lesen kürzer geworden.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist.</source>
        <translation>Den Ordner &quot;%1&quot; gibt es nicht.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not a message file: it begins with neither a tag line nor a number.</source>
        <translation>Die Datei &quot;%1&quot; ist keine Nachrichtendatei: Sie beginnt weder mit einer Kennzeile noch mit einer Zahl.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already received part of the data, which must be discarded.</source>
        <translation>&quot;%1&quot; hat schon einen Teil der Daten erhalten, der verworfen werden muss.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was not decrypted: it is not a sealed file.</source>
        <translation>Die Datei &quot;%1&quot; wurde nicht entschlüsselt: Sie ist keine versiegelte Datei.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was not decrypted: it is not a sealed message.</source>
        <translation>Die Datei &quot;%1&quot; wurde nicht entschlüsselt: Sie ist keine versiegelte Nachricht.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was not decrypted: it is not sealed to this identity.</source>
        <translation>Die Datei &quot;%1&quot; wurde nicht entschlüsselt: Sie ist nicht an diese Identität versiegelt.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was not decrypted: it is not sealed to any of these identities.</source>
        <translation>Die Datei &quot;%1&quot; wurde nicht entschlüsselt: Sie ist an keine dieser Identitäten versiegelt.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was not decrypted: it is sealed to people, and opens with an identity, not a password.</source>
        <translation>Die Datei &quot;%1&quot; wurde nicht entschlüsselt: Sie ist an Personen versiegelt und öffnet sich mit einer Identität, nicht mit einem Passwort.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was not decrypted: it is sealed with a password, not to people.</source>
        <translation>Die Datei &quot;%1&quot; wurde nicht entschlüsselt: Sie ist mit einem Passwort versiegelt, nicht an Personen.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was not decrypted: it is a sealed file whose first bytes were changed or that was cut short.</source>
        <translation>Die Datei &quot;%1&quot; wurde nicht entschlüsselt: Sie ist eine versiegelte Datei, deren erste Bytes geändert wurden oder die gekürzt wurde.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was not decrypted: it is a sealed message that was damaged: %2.</source>
        <translation>Die Datei &quot;%1&quot; wurde nicht entschlüsselt: Sie ist eine versiegelte Nachricht, die beschädigt wurde: %2.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was not decrypted: it is larger than 1 MB, far larger than any message file.</source>
        <translation>Die Datei &quot;%1&quot; wurde nicht entschlüsselt: Sie ist größer als 1 MB, weit größer als jede Nachrichtendatei.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was not decrypted: it holds more than %2 numbers, far more than any message file (a message has at most %3 characters).</source>
        <translation>Die Datei &quot;%1&quot; wurde nicht entschlüsselt: Sie enthält mehr als %2 Zahlen, weit mehr als jede Nachrichtendatei (eine Nachricht hat höchstens %3 Zeichen).</translation>
    </message>
    <message>
        <source>its text is not clean base64</source>
        <translation>ihr Text ist kein sauberes Base64</translation>
    </message>
    <message>
        <source>it was cut short</source>
        <translation>sie wurde gekürzt</translation>
    </message>
    <message>
        <source>the sealed data after its first line is missing</source>
        <translation>die versiegelten Daten nach ihrer ersten Zeile fehlen</translation>
    </message>
    <message>
        <source>the beginning of its sealed data was changed</source>
        <translation>der Anfang ihrer versiegelten Daten wurde geändert</translation>
    </message>
    <message>
        <source>the password is longer than %1 characters</source>
        <translation>das Passwort ist länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>the password holds the character %1, which cannot be used in a password</source>
        <translation>das Passwort enthält das Zeichen %1, das in einem Passwort nicht verwendet werden kann</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>There was not enough memory.</source>
        <translation>Der Speicher reichte nicht aus.</translation>
    </message>
    <message>
        <source>This is not a sealed file.</source>
        <translation>Das ist keine versiegelte Datei.</translation>
    </message>
    <message>
        <source>The sealed file was cut short inside its header.</source>
        <translation>Die versiegelte Datei wurde innerhalb ihres Dateikopfs gekürzt.</translation>
    </message>
    <message>
        <source>The file was cut short inside its header.</source>
        <translation>Die Datei wurde innerhalb ihres Dateikopfs gekürzt.</translation>
    </message>
    <message>
        <source>The file was sealed in a format (version %1) that this version of Tessera cannot open.</source>
        <translation>Die Datei wurde in einem Format (Version %1) versiegelt, das diese Version von Tessera nicht öffnen kann.</translation>
    </message>
    <message>
        <source>The file&apos;s key is derived in a way (number %1) that this version of Tessera does not know.</source>
        <translation>Der Schlüssel der Datei wird auf eine Weise (Nummer %1) abgeleitet, die diese Version von Tessera nicht kennt.</translation>
    </message>
    <message>
        <source>The file&apos;s key settings (%1 of memory, %2 passes) are not valid for a sealed file.</source>
        <translation>Die Schlüsseleinstellungen der Datei (%1 Speicher, %2 Durchgänge) sind für eine versiegelte Datei nicht gültig.</translation>
    </message>
    <message>
        <source>The file asks for %1 of memory to derive its key; at most %2 are allowed.</source>
        <translation>Die Datei verlangt %1 Speicher, um ihren Schlüssel abzuleiten; erlaubt sind höchstens %2.</translation>
    </message>
    <message>
        <source>The file asks for %1 passes to derive its key; at most %2 are allowed.</source>
        <translation>Die Datei verlangt %1 Durchgänge, um ihren Schlüssel abzuleiten; erlaubt sind höchstens %2.</translation>
    </message>
    <message>
        <source>The file&apos;s chunk size of %1 bytes is not valid for a sealed file.</source>
        <translation>Die Blockgröße der Datei von %1 Bytes ist für eine versiegelte Datei nicht gültig.</translation>
    </message>
    <message>
        <source>The file&apos;s chunks of %1 bytes are larger than the %2 bytes allowed.</source>
        <translation>Die Blöcke der Datei von %1 Bytes sind größer als die erlaubten %2 Bytes.</translation>
    </message>
    <message>
        <source>The password is wrong, or the file was changed or cut short.</source>
        <translation>Das Passwort ist falsch, oder die Datei wurde geändert oder gekürzt.</translation>
    </message>
    <message>
        <source>The encryption library could not start.</source>
        <translation>Die Verschlüsselungsbibliothek konnte nicht starten.</translation>
    </message>
    <message>
        <source>The encryption library failed.</source>
        <translation>Die Verschlüsselungsbibliothek hat versagt.</translation>
    </message>
    <message>
        <source>There was not enough memory to keep the key.</source>
        <translation>Der Speicher reichte nicht aus, um den Schlüssel zu verwahren.</translation>
    </message>
    <message>
        <source>There was not enough memory to derive the key (%1).</source>
        <translation>Der Speicher reichte nicht aus, um den Schlüssel abzuleiten (%1).</translation>
    </message>
    <message>
        <source>The sealed message does not hold UTF-8 text.</source>
        <translation>Die versiegelte Nachricht enthält keinen UTF-8-Text.</translation>
    </message>
    <message>
        <source>The message has %1 characters (a line break counts as two), and a message may have at most %2.</source>
        <translation>Die Nachricht hat %1 Zeichen (ein Zeilenumbruch zählt als zwei), und eine Nachricht darf höchstens %2 haben.</translation>
    </message>
    <message>
        <source>The message file is larger than a sealed message can be.</source>
        <translation>Die Nachrichtendatei ist größer, als eine versiegelte Nachricht sein kann.</translation>
    </message>
    <message>
        <source>This is not a sealed message.</source>
        <translation>Das ist keine versiegelte Nachricht.</translation>
    </message>
    <message>
        <source>The sealed message is damaged.</source>
        <translation>Die versiegelte Nachricht ist beschädigt.</translation>
    </message>
    <message>
        <source>No recipient was given.</source>
        <translation>Es wurde kein Empfänger angegeben.</translation>
    </message>
    <message>
        <source>A file may be sealed to at most %1 people; %2 were given.</source>
        <translation>Eine Datei lässt sich an höchstens %1 Personen versiegeln; angegeben wurden %2.</translation>
    </message>
    <message>
        <source>Recipient %1 cannot be used: its key is one that no key pair has.</source>
        <translation>Empfänger %1 ist nicht verwendbar: Sein Schlüssel kommt in keinem Schlüsselpaar vor.</translation>
    </message>
    <message>
        <source>The file&apos;s recipients are of a kind (number %1) that this version of Tessera does not know.</source>
        <translation>Die Empfänger der Datei sind von einer Art (Nummer %1), die diese Version von Tessera nicht kennt.</translation>
    </message>
    <message>
        <source>The file is damaged: it lists no recipient.</source>
        <translation>Die Datei ist beschädigt: Sie nennt keinen Empfänger.</translation>
    </message>
    <message>
        <source>The file lists %1 recipients; at most %2 are tried.</source>
        <translation>Die Datei nennt %1 Empfänger; versucht werden höchstens %2.</translation>
    </message>
    <message>
        <source>The file holds a key that no writer makes (a key of low order): it was forged or changed.</source>
        <translation>Die Datei enthält einen Schlüssel, den kein schreibendes Programm erzeugt (einen Schlüssel niedriger Ordnung): Sie wurde gefälscht oder geändert.</translation>
    </message>
    <message>
        <source>The file is not sealed to this identity.</source>
        <translation>Die Datei ist nicht an diese Identität versiegelt.</translation>
    </message>
    <message>
        <source>The file is not sealed to any of these identities.</source>
        <translation>Die Datei ist an keine dieser Identitäten versiegelt.</translation>
    </message>
    <message>
        <source>The file was changed: its list of recipients is not the one it was sealed with.</source>
        <translation>Die Datei wurde geändert: Ihre Empfängerliste ist nicht die, mit der sie versiegelt wurde.</translation>
    </message>
    <message>
        <source>The file is sealed with a password.</source>
        <translation>Die Datei ist mit einem Passwort versiegelt.</translation>
    </message>
    <message>
        <source>The file is sealed to people: it opens with an identity.</source>
        <translation>Die Datei ist an Personen versiegelt: Sie öffnet sich mit einer Identität.</translation>
    </message>
    <message>
        <source>It holds a recipient (a public key) on line %1, which opens nothing: give the identity file that was made with it.</source>
        <translation>Sie enthält in Zeile %1 einen Empfänger (einen öffentlichen Schlüssel), der nichts öffnet: Geben Sie die Identitätsdatei an, die mit ihm erzeugt wurde.</translation>
    </message>
    <message>
        <source>Its line %1 is not an identity.</source>
        <translation>Ihre Zeile %1 ist keine Identität.</translation>
    </message>
    <message>
        <source>It holds no identity.</source>
        <translation>Sie enthält keine Identität.</translation>
    </message>
    <message>
        <source>It is far larger than an identity file.</source>
        <translation>Sie ist weit größer als eine Identitätsdatei.</translation>
    </message>
    <message>
        <source>The identity is protected by a password.</source>
        <translation>Die Identität ist mit einem Passwort geschützt.</translation>
    </message>
    <message>
        <source>The identity&apos;s password is wrong, or the file was changed.</source>
        <translation>Das Passwort der Identität ist falsch, oder die Datei wurde geändert.</translation>
    </message>
    <message>
        <source>It is protected twice over.</source>
        <translation>Sie ist doppelt geschützt.</translation>
    </message>
    <message>
        <source>No file loaded or File not found</source>
        <translation>Keine Datei geladen oder Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Enter a password first.</source>
        <translation>Geben Sie zuerst ein Passwort ein.</translation>
    </message>
    <message>
        <source>Enter the name of the copy to create.</source>
        <translation>Geben Sie den Namen der anzulegenden Kopie ein.</translation>
    </message>
    <message>
        <source>The message was not encrypted: %1.</source>
        <translation>Die Nachricht wurde nicht verschlüsselt: %1.</translation>
    </message>
    <message>
        <source>The message was not encrypted: enter a password first.</source>
        <translation>Die Nachricht wurde nicht verschlüsselt: Geben Sie zuerst ein Passwort ein.</translation>
    </message>
    <message>
        <source>The message was not encrypted: it has %1 characters (a line break counts as two), and a message may have at most %2.</source>
        <translation>Die Nachricht wurde nicht verschlüsselt: Sie hat %1 Zeichen (ein Zeilenumbruch zählt als zwei), und eine Nachricht darf höchstens %2 haben.</translation>
    </message>
    <message>
        <source>The message was not encrypted: it holds the character %1, which a message file cannot hold.</source>
        <translation>Die Nachricht wurde nicht verschlüsselt: Sie enthält das Zeichen %1, das eine Nachrichtendatei nicht aufnehmen kann.</translation>
    </message>
    <message>
        <source>The message was not encrypted: enter the name of the file to create.</source>
        <translation>Die Nachricht wurde nicht verschlüsselt: Geben Sie den Namen der anzulegenden Datei ein.</translation>
    </message>
    <message>
        <source>The message was not encrypted: the file &quot;%1&quot; cannot be written (%2).</source>
        <translation>Die Nachricht wurde nicht verschlüsselt: Die Datei &quot;%1&quot; kann nicht geschrieben werden (%2).</translation>
    </message>
    <message>
        <source>The message was not encrypted: standard output could not be written (%1).</source>
        <translation>Die Nachricht wurde nicht verschlüsselt: Die Standardausgabe konnte nicht geschrieben werden (%1).</translation>
    </message>
    <message>
        <source>The message was not encrypted: the file &quot;%1&quot; could not be written (%2).</source>
        <translation>Die Nachricht wurde nicht verschlüsselt: Die Datei &quot;%1&quot; konnte nicht geschrieben werden (%2).</translation>
    </message>
    <message>
        <source>The message was not encrypted: the working file &quot;%1&quot; could not be used (%2).</source>
        <translation>Die Nachricht wurde nicht verschlüsselt: Die Arbeitsdatei &quot;%1&quot; konnte nicht verwendet werden (%2).</translation>
    </message>
    <message>
        <source>The message was not encrypted: another encryption is running and is using the working file &quot;%1&quot;. Try again when it has finished.</source>
        <translation>Die Nachricht wurde nicht verschlüsselt: Eine andere Verschlüsselung läuft und verwendet die Arbeitsdatei &quot;%1&quot;. Versuchen Sie es noch einmal, wenn sie fertig ist.</translation>
    </message>
    <message>
        <source>The message was not encrypted: %1. Nothing was written.</source>
        <translation>Die Nachricht wurde nicht verschlüsselt: %1. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>The message was not encrypted: %1</source>
        <translation>Die Nachricht wurde nicht verschlüsselt: %1</translation>
    </message>
    <message>
        <source>The message was not decrypted: %1.</source>
        <translation>Die Nachricht wurde nicht entschlüsselt: %1.</translation>
    </message>
    <message>
        <source>Cancelled: no copy was written to &quot;%1&quot;.</source>
        <translation>Abgebrochen: Nach &quot;%1&quot; wurde keine Kopie geschrieben.</translation>
    </message>
    <message>
        <source>Cancelled: </source>
        <translation>Abgebrochen: </translation>
    </message>
    <message>
        <source>Enter the name of the file to encrypt.</source>
        <translation>Geben Sie den Namen der zu verschlüsselnden Datei ein.</translation>
    </message>
    <message>
        <source>Enter the name of the file to decrypt.</source>
        <translation>Geben Sie den Namen der zu entschlüsselnden Datei ein.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is empty: there is nothing to encrypt.</source>
        <translation>Die Datei &quot;%1&quot; ist leer: Es gibt nichts zu verschlüsseln.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is empty: there is nothing to decrypt.</source>
        <translation>Die Datei &quot;%1&quot; ist leer: Es gibt nichts zu entschlüsseln.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be written: %2.</source>
        <translation>Die Datei &quot;%1&quot; kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>To open a classic message file, turn Sealed off.</source>
        <translation>Um eine klassische Nachrichtendatei zu öffnen, schalten Sie Versiegelt aus.</translation>
    </message>
    <message>
        <source>To decrypt a classic file, turn Sealed off.</source>
        <translation>Um eine klassische Datei zu entschlüsseln, schalten Sie Versiegelt aus.</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Decrypted</source>
        <translation>Entschlüsselt</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Erledigt</translation>
    </message>
    <message>
        <source>Waiting for another encryption to finish with the working file...</source>
        <translation>Es wird gewartet, bis eine andere Verschlüsselung mit der Arbeitsdatei fertig ist...</translation>
    </message>
    <message>
        <source>%1 MiB</source>
        <translation>%1 MiB</translation>
    </message>
    <message>
        <source>%1 KiB</source>
        <translation>%1 KiB</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Bytes</translation>
    </message>
    <message>
        <source>A recipient is empty.</source>
        <translation>Ein Empfänger ist leer.</translation>
    </message>
    <message>
        <source>An identity (a secret key) was given where a recipient belongs; it was not used. Never pass an identity on: give its recipient instead, which starts with %1.</source>
        <translation>Wo ein Empfänger hingehört, wurde eine Identität (ein geheimer Schlüssel) angegeben; sie wurde nicht verwendet. Geben Sie eine Identität nie weiter: Geben Sie stattdessen ihren Empfänger an, der mit %1 beginnt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a recipient: a recipient starts with %2.</source>
        <translation>&quot;%1&quot; ist kein Empfänger: Ein Empfänger beginnt mit %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a recipient: it has %2 characters, and a recipient has %3; one is missing or extra.</source>
        <translation>&quot;%1&quot; ist kein Empfänger: Das sind %2 Zeichen, und ein Empfänger hat %3; eines fehlt oder ist zu viel.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a recipient: it holds a character that no recipient has.</source>
        <translation>&quot;%1&quot; ist kein Empfänger: Darin steht ein Zeichen, das in keinem Empfänger vorkommt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has a typo: its checksum does not match. Copy it again from the original.</source>
        <translation>&quot;%1&quot; enthält einen Tippfehler: Die Prüfsumme stimmt nicht. Kopieren Sie den Empfänger noch einmal aus dem Original.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be used: its key is one that no key pair has.</source>
        <translation>&quot;%1&quot; ist nicht verwendbar: Sein Schlüssel kommt in keinem Schlüsselpaar vor.</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>es wurde kein Dateiname angegeben</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>das ist ein Ordner</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; does not exist</source>
        <translation>den Ordner &quot;%1&quot; gibt es nicht</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; cannot be used (%2)</source>
        <translation>der Ordner &quot;%1&quot; ist nicht verwendbar (%2)</translation>
    </message>
    <message>
        <source>its way passes through &quot;%1&quot;, another user&apos;s link, in a folder that others may write</source>
        <translation>ihr Weg führt über &quot;%1&quot;, einen Link eines anderen Benutzers, in einem Ordner, in den andere schreiben dürfen</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>das ist ein Socket, keine Datei</translation>
    </message>
    <message>
        <source>it belongs to another user, in a folder that others may write</source>
        <translation>sie gehört einem anderen Benutzer, in einem Ordner, in den andere schreiben dürfen</translation>
    </message>
    <message>
        <source>it has more than one name (a hard link), in a folder that others may write</source>
        <translation>sie hat mehr als einen Namen (einen harten Link), in einem Ordner, in den andere schreiben dürfen</translation>
    </message>
    <message>
        <source>it is write-protected</source>
        <translation>sie ist schreibgeschützt</translation>
    </message>
    <message>
        <source>it already exists</source>
        <translation>es gibt sie schon</translation>
    </message>
    <message>
        <source>it was replaced while it was being opened</source>
        <translation>sie wurde ersetzt, während sie geöffnet wurde</translation>
    </message>
    <message>
        <source>it is not a new file</source>
        <translation>sie ist keine neue Datei</translation>
    </message>
    <message>
        <source>the output is larger than expected</source>
        <translation>die Ausgabe ist größer als erwartet</translation>
    </message>
    <message>
        <source>there is no cache folder to keep the working file in: HOME is not set to an absolute path, and neither is XDG_CACHE_HOME</source>
        <translation>es gibt keinen Cache-Ordner für die Arbeitsdatei: HOME ist nicht auf einen absoluten Pfad gesetzt, und XDG_CACHE_HOME auch nicht</translation>
    </message>
    <message>
        <source>there is no cache folder to keep the working file in</source>
        <translation>es gibt keinen Cache-Ordner für die Arbeitsdatei</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; could not be made (%2)</source>
        <translation>der Ordner &quot;%1&quot; konnte nicht angelegt werden (%2)</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; could not be made</source>
        <translation>der Ordner &quot;%1&quot; konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; could not be used (%2)</source>
        <translation>der Ordner &quot;%1&quot; konnte nicht verwendet werden (%2)</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; is a symbolic link, not a real folder</source>
        <translation>der Ordner &quot;%1&quot; ist ein symbolischer Link, kein echter Ordner</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder</source>
        <translation>&quot;%1&quot; ist kein Ordner</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; could not be opened (%2)</source>
        <translation>der Ordner &quot;%1&quot; konnte nicht geöffnet werden (%2)</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; belongs to another user</source>
        <translation>der Ordner &quot;%1&quot; gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; may be written by other users</source>
        <translation>in den Ordner &quot;%1&quot; dürfen andere Benutzer schreiben</translation>
    </message>
    <message>
        <source>the lock file could not be opened (%1)</source>
        <translation>die Sperrdatei konnte nicht geöffnet werden (%1)</translation>
    </message>
    <message>
        <source>the lock file is not a file of this user&apos;s</source>
        <translation>die Sperrdatei gehört nicht diesem Benutzer</translation>
    </message>
    <message>
        <source>the lock file could not be locked (%1)</source>
        <translation>die Sperrdatei konnte nicht gesperrt werden (%1)</translation>
    </message>
    <message>
        <source>the lock file could not be made</source>
        <translation>die Sperrdatei konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>it holds fewer codes than the message has characters</source>
        <translation>sie enthält weniger Codes, als die Nachricht Zeichen hat</translation>
    </message>
    <message>
        <source>very weak</source>
        <translation>sehr schwach</translation>
    </message>
    <message>
        <source>weak</source>
        <translation>schwach</translation>
    </message>
    <message>
        <source>fair</source>
        <translation>mittel</translation>
    </message>
    <message>
        <source>strong</source>
        <translation>stark</translation>
    </message>
    <message>
        <source>very strong</source>
        <translation>sehr stark</translation>
    </message>
    <message>
        <source>less than a second</source>
        <translation>weniger als einer Sekunde</translation>
    </message>
    <message>
        <source>about 1 second</source>
        <translation>etwa 1 Sekunde</translation>
    </message>
    <message>
        <source>about %1 seconds</source>
        <translation>etwa %1 Sekunden</translation>
    </message>
    <message>
        <source>about 1 minute</source>
        <translation>etwa 1 Minute</translation>
    </message>
    <message>
        <source>about %1 minutes</source>
        <translation>etwa %1 Minuten</translation>
    </message>
    <message>
        <source>about 1 hour</source>
        <translation>etwa 1 Stunde</translation>
    </message>
    <message>
        <source>about %1 hours</source>
        <translation>etwa %1 Stunden</translation>
    </message>
    <message>
        <source>about 1 day</source>
        <translation>etwa 1 Tag</translation>
    </message>
    <message>
        <source>about %1 days</source>
        <translation>etwa %1 Tagen</translation>
    </message>
    <message>
        <source>about 1 month</source>
        <translation>etwa 1 Monat</translation>
    </message>
    <message>
        <source>about %1 months</source>
        <translation>etwa %1 Monaten</translation>
    </message>
    <message>
        <source>about 1 year</source>
        <translation>etwa 1 Jahr</translation>
    </message>
    <message>
        <source>about %1 years</source>
        <translation>etwa %1 Jahren</translation>
    </message>
    <message>
        <source>thousands of years</source>
        <translation>Tausenden von Jahren</translation>
    </message>
    <message>
        <source>over a million years</source>
        <translation>über einer Million Jahren</translation>
    </message>
    <message>
        <source>%1: %2 to guess</source>
        <translation>%1: in %2 zu erraten</translation>
    </message>
    <message>
        <source>Estimated with zxcvbn, for an attacker who tries %L1 passwords a second, each costing Argon2id&apos;s 64 MiB and 3 passes.</source>
        <translation>Geschätzt mit zxcvbn, für einen Angreifer, der %L1 Passwörter pro Sekunde probiert, von denen jedes die 64 MiB und 3 Durchgänge von Argon2id kostet.</translation>
    </message>
</context>
<context>
    <name>app</name>
    <message>
        <source>Tessera2 encrypts short typed messages into message files and enciphers
whole files into copies, under a password. A wizard leads through one
operation page by page; the advanced mode is one window with every command
at hand. tessera-cli runs the same operations from scripts.
</source>
        <translation>Tessera2 verschlüsselt kurze getippte Nachrichten in Nachrichtendateien und
ganze Dateien in Kopien, unter einem Passwort. Ein Assistent führt Seite für
Seite durch einen Vorgang; der erweiterte Modus ist ein Fenster mit allen
Befehlen zur Hand. tessera-cli erledigt dieselben Vorgänge aus Skripten.
</translation>
    </message>
    <message>
        <source>It needs a desktop session; without one, run it under a virtual X server:
xvfb-run -a tessera.
</source>
        <translation>Es braucht eine Desktop-Sitzung; ohne eine starten Sie es unter einem
virtuellen X-Server: xvfb-run -a tessera.
</translation>
    </message>
    <message>
        <source>QT-OPTIONS are Qt&apos;s own, for example -style Fusion, -reverse or
-platform offscreen. ENGINE-OPTIONS are the web page viewer&apos;s (Qt WebEngine),
for example --webEngineArgs --no-sandbox; the engine reads none of the
options before --webEngineArgs, and none at all while the variable
QTWEBENGINE_CHROMIUM_FLAGS is set.
</source>
        <translation>QT-OPTIONS sind die von Qt, zum Beispiel -style Fusion, -reverse oder
-platform offscreen. ENGINE-OPTIONS sind die der Webseitenanzeige (Qt
WebEngine), zum Beispiel --webEngineArgs --no-sandbox; die Engine liest keine
der Optionen vor --webEngineArgs, und gar keine, solange die Variable
QTWEBENGINE_CHROMIUM_FLAGS gesetzt ist.
</translation>
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
        <translation>Zwei Formate. Klassisch, die Vorgabe, ist eine klassische additive Chiffre,
die bleibt, damit Dateien früherer Versionen sich weiter öffnen; die Kopie
einer Datei ist so lang wie sie. Es verbirgt eine Nachricht vor einem
flüchtigen Leser; gegen einen entschlossenen Angreifer schützt es sie nicht.
Versiegelt (im Optionsfenster, auf der Optionsseite des Assistenten oder mit
dem Feld Versiegelt des Dateifensters) ist echte, authentifizierte
Verschlüsselung mit Argon2id und XChaCha20-Poly1305: Ein falsches Passwort
oder eine geänderte Datei wird abgewiesen. Eine versiegelte Kopie ist 57 Bytes
länger als ihre Eingabe, dazu 16 Bytes je 64 KiB. Ist Versiegelt gewählt,
besteht das Entschlüsseln auf einer versiegelten Eingabe; sonst wird eine
versiegelte Eingabe von selbst erkannt.
</translation>
    </message>
    <message>
        <source>Usage:
</source>
        <translation>Aufruf:
</translation>
    </message>
    <message>
        <source>tessera: no display found; start it from a desktop session, or headless with: xvfb-run -a %1
</source>
        <translation>tessera: keine Anzeige gefunden; starten Sie es aus einer Desktop-Sitzung oder ohne Anzeige mit: xvfb-run -a %1
</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>%1: give INPUT and OUTPUT</source>
        <translation>%1: INPUT und OUTPUT angeben</translation>
    </message>
    <message>
        <source>%1: the password and INPUT cannot both come from standard input</source>
        <translation>%1: Passwort und INPUT können nicht beide von der Standardeingabe kommen</translation>
    </message>
    <message>
        <source>%1: an encrypted file is binary and is not written to a terminal; redirect standard output to a file or a pipe</source>
        <translation>%1: Eine verschlüsselte Datei ist binär und wird nicht auf ein Terminal geschrieben; leiten Sie die Standardausgabe in eine Datei oder eine Pipe um</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>Standardeingabe</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>Standardausgabe</translation>
    </message>
    <message>
        <source>Leave out --sealed to decrypt a classic one.</source>
        <translation>Ohne --sealed wird eine klassische entschlüsselt.</translation>
    </message>
    <message>
        <source>this input asks for %1 passes over %2 to derive its key, more than the usual %3 over %4: this may take a while</source>
        <translation>diese Eingabe verlangt für ihren Schlüssel %1 Durchgänge über %2, mehr als die üblichen %3 über %4: das kann eine Weile dauern</translation>
    </message>
    <message>
        <source>%1 %2 is far larger than such a file can be</source>
        <translation>%1 %2 ist weit größer, als eine solche Datei sein kann</translation>
    </message>
    <message>
        <source>cannot read %1 %2: %3</source>
        <translation>%1 %2 kann nicht gelesen werden: %3</translation>
    </message>
    <message>
        <source>the identity file</source>
        <translation>die Identitätsdatei</translation>
    </message>
    <message>
        <source>Password of %1: </source>
        <translation>Passwort von %1: </translation>
    </message>
    <message>
        <source>cannot use the identity file %1: %2</source>
        <translation>die Identitätsdatei %1 ist nicht verwendbar: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>keygen: give the identity file as --output IDENTITY, and no other</source>
        <translation>keygen: die Identitätsdatei als --output IDENTITY angeben, und sonst keine</translation>
    </message>
    <message>
        <source>keygen: --output IDENTITY is required (an identity is secret and goes to a new file of its own)</source>
        <translation>keygen: --output IDENTITY ist nötig (eine Identität ist geheim und kommt in eine eigene, neue Datei)</translation>
    </message>
    <message>
        <source>keygen: --password-file goes with --protect</source>
        <translation>keygen: --password-file gehört zu --protect</translation>
    </message>
    <message>
        <source>wrote the identity %1. Keep it safe: if it is lost%2, nothing sealed to it can be opened. %3</source>
        <translation>Identität %1 geschrieben. Bewahren Sie sie sicher auf: Geht sie verloren%2, lässt sich nichts mehr öffnen, was an sie versiegelt wurde. %3</translation>
    </message>
    <message>
        <source> or its password forgotten</source>
        <translation> oder wird ihr Passwort vergessen</translation>
    </message>
    <message>
        <source>Keep a copy somewhere else.</source>
        <translation>Bewahren Sie eine Kopie an einem anderen Ort auf.</translation>
    </message>
    <message>
        <source>Keep a protected copy somewhere else: tessera-cli encrypt --sealed --output COPY %1</source>
        <translation>Bewahren Sie eine geschützte Kopie an einem anderen Ort auf: tessera-cli encrypt --sealed --output COPY %1</translation>
    </message>
    <message>
        <source>%1: a file may be sealed to at most %2 people; %3 were given</source>
        <translation>%1: eine Datei lässt sich an höchstens %2 Personen versiegeln; angegeben wurden %3</translation>
    </message>
    <message>
        <source>%1: --to and --to-file seal to people, with no password and neither --pic nor --junkbitz</source>
        <translation>%1: --to und --to-file versiegeln an Personen, ohne Passwort und ohne --pic oder --junkbitz</translation>
    </message>
    <message>
        <source>%1: %2 is sealed to people: give --identity IDENTITY (it needs no password)</source>
        <translation>%1: %2 ist an Personen versiegelt: --identity IDENTITY angeben (dafür ist kein Passwort nötig)</translation>
    </message>
    <message>
        <source>%1 already exists; keygen never replaces a file</source>
        <translation>%1 gibt es schon; keygen ersetzt nie eine Datei</translation>
    </message>
    <message>
        <source>the encryption library failed</source>
        <translation>die Verschlüsselungsbibliothek hat versagt</translation>
    </message>
    <message>
        <source>recipient: give one IDENTITY file</source>
        <translation>recipient: eine IDENTITY-Datei angeben</translation>
    </message>
    <message>
        <source>--to: %1 Nothing was written.</source>
        <translation>--to: %1 Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>the people file</source>
        <translation>die Personendatei</translation>
    </message>
    <message>
        <source>%1, line %2: %3 Nothing was written.</source>
        <translation>%1, Zeile %2: %3 Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>The file %1 was not decrypted: it is larger than 1 MB, far larger than any message file.</source>
        <translation>Die Datei %1 wurde nicht entschlüsselt: Sie ist größer als 1 MB, weit größer als jede Nachrichtendatei.</translation>
    </message>
    <message>
        <source>encrypt: --output MESSAGEFILE is required</source>
        <translation>encrypt: --output MESSAGEFILE ist nötig</translation>
    </message>
    <message>
        <source>encrypt: give at most one TEXTFILE</source>
        <translation>encrypt: höchstens eine TEXTFILE angeben</translation>
    </message>
    <message>
        <source>encrypt: --pic and --junkbitz are for the classic format; a sealed message needs neither</source>
        <translation>encrypt: --pic und --junkbitz gehören zum klassischen Format; eine versiegelte Nachricht braucht keines von beiden</translation>
    </message>
    <message>
        <source>the message is longer than %1 characters; nothing was written</source>
        <translation>die Nachricht ist länger als %1 Zeichen; es wurde nichts geschrieben</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>the message is not valid UTF-8 (use --raw for single-byte text)</source>
        <translation>die Nachricht ist kein gültiges UTF-8 (--raw für Text aus Einzelbytes)</translation>
    </message>
    <message>
        <source>the message is empty; no file was written</source>
        <translation>die Nachricht ist leer; es wurde keine Datei geschrieben</translation>
    </message>
    <message>
        <source>decrypt: give exactly one MESSAGEFILE</source>
        <translation>decrypt: genau eine MESSAGEFILE angeben</translation>
    </message>
    <message>
        <source>decrypt: the password and MESSAGEFILE cannot both come from standard input</source>
        <translation>decrypt: Passwort und MESSAGEFILE können nicht beide von der Standardeingabe kommen</translation>
    </message>
    <message>
        <source>Leave out --sealed to open a classic one.</source>
        <translation>Ohne --sealed wird eine klassische geöffnet.</translation>
    </message>
    <message>
        <source>the text holds the character %1, which has no single-byte code; leave out --raw</source>
        <translation>der Text enthält das Zeichen %1, das keinen Einzelbyte-Code hat; --raw weglassen</translation>
    </message>
    <message>
        <source>the text to standard output</source>
        <translation>den Text auf die Standardausgabe</translation>
    </message>
    <message>
        <source>the password is longer than %1 characters</source>
        <translation>das Passwort ist länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>the password in %1 is not valid UTF-8</source>
        <translation>das Passwort aus %1 ist kein gültiges UTF-8</translation>
    </message>
    <message>
        <source>the password is empty: put it in the file that --password-file names, or type it at the prompt</source>
        <translation>das Passwort ist leer: Schreiben Sie es in die Datei, die --password-file nennt, oder tippen Sie es an der Eingabeaufforderung</translation>
    </message>
    <message>
        <source>no password: give --password-file PW (there is no terminal to ask on)</source>
        <translation>kein Passwort: --password-file PW angeben (es gibt kein Terminal, um danach zu fragen)</translation>
    </message>
    <message>
        <source>the terminal</source>
        <translation>dem Terminal</translation>
    </message>
    <message>
        <source>no password: give --password-file PW</source>
        <translation>kein Passwort: --password-file PW angeben</translation>
    </message>
    <message>
        <source>Password: </source>
        <translation>Passwort: </translation>
    </message>
    <message>
        <source>New password: </source>
        <translation>Neues Passwort: </translation>
    </message>
    <message>
        <source>The same again: </source>
        <translation>Noch einmal: </translation>
    </message>
    <message>
        <source>the two passwords differ; nothing was written</source>
        <translation>die beiden Passwörter sind verschieden; es wurde nichts geschrieben</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1 (in %2)</translation>
    </message>
    <message>
        <source>cannot read the password file %1: %2</source>
        <translation>die Passwortdatei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>warning: %1 password (%2 to guess); a sealed file is only as strong as its password</source>
        <translation>Warnung: Passwort %1 (in %2 zu erraten); eine versiegelte Datei ist nur so stark wie ihr Passwort</translation>
    </message>
    <message>
        <source>interrupted; nothing was written</source>
        <translation>abgebrochen; es wurde nichts geschrieben</translation>
    </message>
    <message>
        <source>encrypt    writes the message (TEXTFILE, or standard input) into a message file.
decrypt    reads a message file and writes its text to TEXTFILE or standard output.
encrypt-file, decrypt-file
           encipher or decipher any file into a copy.
</source>
        <translation>encrypt    schreibt die Nachricht (TEXTFILE oder die Standardeingabe) in eine
           Nachrichtendatei.
decrypt    liest eine Nachrichtendatei und schreibt ihren Text nach TEXTFILE
           oder auf die Standardausgabe.
encrypt-file, decrypt-file
           ver- oder entschlüsseln eine beliebige Datei in eine Kopie.
</translation>
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
        <translation>Zwei Formate:
klassisch  die Vorgabe, die jede frühere Version von Tessera liest und schreibt.
           Eine klassische additive Chiffre: Sie verbirgt einen Text vor einem
           flüchtigen Leser, nicht vor einem entschlossenen Angreifer, und ein
           falsches Passwort ergibt wortlos Unsinn. Eine Nachrichtendatei
           enthält eine Zahlenzeile je Zeichen; --pic fügt dem Schlüssel den
           programmeigenen Code hinzu, --junkbitz eine Füllzahl vor jedem Wert
           (der Leser erkennt beides an der Datei). Die Kopie einer Datei ist so
           lang wie sie.
</translation>
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
        <translation>--sealed   echte, authentifizierte Verschlüsselung: Argon2id und
           XChaCha20-Poly1305. Ein falsches Passwort oder eine geänderte,
           gekürzte oder umgestellte Datei wird abgewiesen, und nichts wird
           geschrieben. Eine versiegelte Kopie ist 57 Bytes länger als ihre
           Eingabe, dazu 16 Bytes je 64 KiB; eine versiegelte Nachricht darf
           jedes Zeichen enthalten, und ihre Datei ist diese Kopie des UTF-8 des
           Textes in Base64 unter einer Kennzeile. Frühere Versionen von Tessera
           können sie nicht lesen.
           decrypt und decrypt-file erkennen eine versiegelte Eingabe von
           selbst; mit --sealed bestehen sie darauf und weisen eine klassische
           Eingabe ab. Eine fast versiegelte Eingabe wird als beschädigt
           abgewiesen, nie als klassisch gelesen.
           Eine versiegelte Datei ist nur so stark wie ihr Passwort: Auf einem
           Terminal warnen encrypt und encrypt-file in einer Zeile vor einem
           Passwort, das in weniger als einem Jahr zu erraten ist.
</translation>
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
        <translation>An Personen versiegelt: eine versiegelte Datei oder Nachricht, die sich mit dem
eigenen Schlüssel jeder Person öffnet, ohne gemeinsames Passwort (X25519,
HKDF-SHA-256, ChaCha20-Poly1305):
keygen     erzeugt eine Identität (einen geheimen Schlüssel) in einer neuen
           Datei, die nur ihr Besitzer lesen darf, und gibt ihren Empfänger aus:
           den öffentlichen Schlüssel, eine Zeile, die mit tessera1 beginnt und
           deren Prüfsumme jeden Tippfehler erkennt. Geben Sie den Empfänger
           weiter; behalten Sie die Identität. Geht sie verloren, ist verloren,
           was an sie versiegelt wurde: Bewahren Sie eine geschützte Kopie auf.
           --protect stellt die Identität unter ein Passwort (erfragt oder aus
           --password-file).
</translation>
    </message>
    <message>
        <source>recipient  prints the recipient of an identity file.
</source>
        <translation>recipient  gibt den Empfänger einer Identitätsdatei aus.
</translation>
    </message>
    <message>
        <source>--to       seals to a recipient, --to-file to each recipient of a file (one a line;
           # starts a comment, which may name the person); both may be repeated, and
           no password is asked. Add your own recipient to read what you sent. A
           recipient with a typo, or an identity given as one, is refused before
           anything is written.
</source>
        <translation>--to       versiegelt an einen Empfänger, --to-file an jeden Empfänger einer
           Datei (einer je Zeile; # beginnt einen Kommentar, der die Person
           nennen darf); beide dürfen mehrfach stehen, und nach keinem Passwort
           wird gefragt. Fügen Sie Ihren eigenen Empfänger hinzu, um Gesendetes
           selbst zu lesen. Ein Empfänger mit Tippfehler oder eine als Empfänger
           angegebene Identität wird abgewiesen, bevor etwas geschrieben wird.
</translation>
    </message>
    <message>
        <source>--identity opens what was sealed to it; several may be given. --password-file then
           unlocks protected identities: the file itself needs no password.
</source>
        <translation>--identity öffnet, was an sie versiegelt wurde; mehrere sind erlaubt.
           --password-file entsperrt dann geschützte Identitäten: Die Datei
           selbst braucht kein Passwort.
</translation>
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
        <translation>PW enthält das Passwort (ein Zeilenende am Schluss zählt nicht mit); ohne
--password-file wird am Terminal nach dem Passwort gefragt. Text ist UTF-8; eine
klassische Nachricht muss in die Codepage Windows-1252 passen, und --raw liest
und schreibt ihre Einzelbyte-Codes unverändert.
Standardkanäle: &quot;-&quot; ist die Standardeingabe als TEXTFILE, MESSAGEFILE, INPUT
oder PW und die Standardausgabe als --output oder OUTPUT; /dev/stdin,
/dev/stdout, /dev/fd/N und /proc/self/fd/N werden über den Deskriptor selbst
geschrieben und gelesen, sodass eine Pipe funktioniert und &gt;&gt; einer Shell
anhängt. encrypt-file und decrypt-file nehmen die Standardeingabe nur für eine
versiegelte Datei (die klassische Chiffre braucht die Länge ihrer Eingabe), und
eine verschlüsselte Datei wird nie auf ein Terminal geschrieben. Eine Pipe oder
ein Gerät erhält den Text einer versiegelten Datei, während er geprüft wird;
verwerfen Sie nach einer Abweisung also, was schon angekommen ist. Eine reguläre
Datei, auch eine über einen Deskriptor erreichte, bleibt nie halb geschrieben
zurück.
</translation>
    </message>
    <message>
        <source>A sealed input whose key costs more than the usual 3 passes over 64 MiB (a reader
takes up to 10 passes over 1 GiB) is announced in one line before its key is
derived; a signal ends the derivation at once.
</source>
        <translation>Eine versiegelte Eingabe, deren Schlüssel mehr kostet als die üblichen 3
Durchgänge über 64 MiB (ein Leser nimmt bis zu 10 Durchgänge über 1 GiB), wird
in einer Zeile angekündigt, bevor ihr Schlüssel abgeleitet wird; ein Signal
beendet die Ableitung sofort.
</translation>
    </message>
    <message>
        <source>Exit status: 0 success; 1 failure (the reason on standard error); 2 wrong usage;
for a sealed input that was refused: 3 it does not open (the password is wrong,
it is not sealed to the identities given, or it was changed), 4 it is damaged, cut
short, or of a version or cost not taken, 5 --sealed was given and the input is not
sealed.
</source>
        <translation>Rückgabewert: 0 Erfolg; 1 Fehler (der Grund auf der Standardfehlerausgabe); 2
falscher Aufruf; für eine abgewiesene versiegelte Eingabe: 3 sie öffnet sich
nicht (das Passwort ist falsch, sie ist nicht an die angegebenen Identitäten
versiegelt, oder sie wurde geändert), 4 sie ist beschädigt, gekürzt oder von
einer Version oder einem Aufwand, die nicht angenommen werden, 5 --sealed wurde
angegeben und die Eingabe ist nicht versiegelt.
</translation>
    </message>
    <message>
        <source>Usage:
</source>
        <translation>Aufruf:
</translation>
    </message>
    <message>
        <source>The file that holds the password.</source>
        <translation>Die Datei mit dem Passwort.</translation>
    </message>
    <message>
        <source>The file to write; - is standard output.</source>
        <translation>Die zu schreibende Datei; - ist die Standardausgabe.</translation>
    </message>
    <message>
        <source>A person&apos;s recipient.</source>
        <translation>Der Empfänger einer Person.</translation>
    </message>
    <message>
        <source>A file of recipients.</source>
        <translation>Eine Datei mit Empfängern.</translation>
    </message>
    <message>
        <source>An identity file.</source>
        <translation>Eine Identitätsdatei.</translation>
    </message>
    <message>
        <source>%1: unknown option --%2 (see --help)</source>
        <translation>%1: unbekannte Option --%2 (siehe --help)</translation>
    </message>
    <message>
        <source>%1: %2 (see --help)</source>
        <translation>%1: %2 (siehe --help)</translation>
    </message>
    <message>
        <source>unknown command %1 (see --help)</source>
        <translation>unbekannter Befehl %1 (siehe --help)</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Version 2.0</source>
        <translation>Version 2.0</translation>
    </message>
    <message>
        <source>Tessera enables anyone to use a userfriendly encryption application.  Written by the people, made for the people; Tessera is without backdoors or master keyz.  Difficult to crack because it doesn&apos;t store passwords, but takes any password.  Only the correct one will give you legible information, of course.</source>
        <translation>Mit Tessera kann jeder ein benutzerfreundliches Verschlüsselungsprogramm verwenden.  Von Leuten für Leute geschrieben; Tessera hat keine Hintertüren und keine Generalschlüssel.  Schwer zu knacken, weil es keine Passwörter speichert, sondern jedes Passwort annimmt.  Nur das richtige ergibt natürlich lesbaren Text.</translation>
    </message>
    <message>
        <source>Warning: I am not responsible for the usage of my program nor for those who export the information created by the program.  </source>
        <translation>Warnung: Ich hafte weder für die Nutzung meines Programms noch für die, die seine Ergebnisse weitergeben.  </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeminfo...</translation>
    </message>
</context>
<context>
    <name>frmAdvanced</name>
    <message>
        <source>Advanced Properties</source>
        <translation>Erweiterte Einstellungen</translation>
    </message>
    <message>
        <source>These options allow you to fortify your encryption.</source>
        <translation>Diese Optionen stärken Ihre Verschlüsselung.</translation>
    </message>
    <message>
        <source>A PIC or Program Intrinsic Code allows you, the user, to strengthen your password without any complications.  The PIC makes your password better without changing the length of the text which goes through the output. </source>
        <translation>Ein PIC (programmeigener Code) stärkt Ihr Passwort ohne jeden Aufwand.  Der PIC verbessert Ihr Passwort, ohne die Länge des ausgegebenen Textes zu ändern. </translation>
    </message>
    <message>
        <source>JunkBitz or JB is a system in which peices of junk which are not going to be read by this program are place in the output code.  The output code size is increased, but the information his hidden within the junk area.</source>
        <translation>JunkBitz (JB) setzt Füllzahlen, die dieses Programm nicht liest, in den ausgegebenen Code.  Der Code wird größer, doch die Information ist zwischen den Füllzahlen versteckt.</translation>
    </message>
    <message>
        <source>What would you like to use?</source>
        <translation>Was möchten Sie nutzen?</translation>
    </message>
    <message>
        <source>Real encryption: without the password nobody reads it, and a wrong password or a changed file is refused.</source>
        <translation>Echte Verschlüsselung: Ohne das Passwort liest es niemand, und ein falsches Passwort oder eine geänderte Datei wird abgewiesen.</translation>
    </message>
    <message>
        <source>Sealed</source>
        <translation>Versiegelt</translation>
    </message>
    <message>
        <source>Sealed (strong, authenticated)</source>
        <translation>Versiegelt (stark, geprüft)</translation>
    </message>
    <message>
        <source>Program Intrinsic Code: a fixed extension of the password, in the classic format.</source>
        <translation>Programmeigener Code: eine feste Erweiterung des Passworts, im klassischen Format.</translation>
    </message>
    <message>
        <source>JunkBitz: junk numbers mixed into the message file, in the classic format.</source>
        <translation>JunkBitz: Füllzahlen, in die Nachrichtendatei gemischt, im klassischen Format.</translation>
    </message>
</context>
<context>
    <name>frmBack</name>
    <message>
        <source>Backgroundz</source>
        <translation>Hintergründe</translation>
    </message>
    <message>
        <source>Load  your own picture for a background below.</source>
        <translation>Laden Sie unten ein eigenes Bild als Hintergrund.</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>Load Picture</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Picture file</source>
        <translation>Bilddatei</translation>
    </message>
    <message>
        <source>The picture that Load Picture puts behind the main window.</source>
        <translation>Das Bild, das Laden hinter das Hauptfenster legt.</translation>
    </message>
</context>
<context>
    <name>frmBrowser</name>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adresse:</translation>
    </message>
</context>
<context>
    <name>frmCompile</name>
    <message>
        <source>File Compile</source>
        <translation>Datei erstellen</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Here is the text</source>
        <translation>Hier der Text</translation>
    </message>
    <message>
        <source>Filename and Location</source>
        <translation>Dateiname und Ort</translation>
    </message>
    <message>
        <source>Go Back to Wizard</source>
        <translation>Zum Assistenten</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Nachricht</translation>
    </message>
    <message>
        <source>Filename and location</source>
        <translation>Dateiname und Ort</translation>
    </message>
</context>
<context>
    <name>frmEncDec</name>
    <message>
        <source>Do you want to Encrypt or Decrypt?</source>
        <translation>Verschlüsseln oder entschlüsseln?</translation>
    </message>
    <message>
        <source>What do you want to do? Press either Encrypt or Decrypt</source>
        <translation>Was möchten Sie tun? Ver- oder entschlüsseln?</translation>
    </message>
    <message>
        <source>Encryption is the usage of simple mathmatics to code a message so that the key or password is required in order to decipher the message&apos;s text.  Press encrypt to write a message.</source>
        <translation>Verschlüsseln kodiert eine Nachricht mit einfacher Mathematik, sodass nur lesen kann, wer das Passwort hat.  Drücken Sie Verschlüsseln, um eine Nachricht zu schreiben.</translation>
    </message>
    <message>
        <source>Decryption is the mathmatical system of using a password or key to make an encrypted message legible.  Press decrypt if you want to read or print a message which has been encrypted using this program.</source>
        <translation>Entschlüsseln macht eine verschlüsselte Nachricht mit dem Passwort wieder lesbar.  Drücken Sie Entschlüsseln, um eine Nachricht dieses Programms zu lesen oder zu drucken.</translation>
    </message>
</context>
<context>
    <name>frmEncFile</name>
    <message>
        <source>Encrypt a File using Binary</source>
        <translation>Eine Datei binär verschlüsseln</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>File to encrypt or decrypt:</source>
        <translation>Eingabedatei:</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Encrypt</source>
        <translation>Verschlüsseln</translation>
    </message>
    <message>
        <source>Decrypt</source>
        <translation>Entschlüsseln</translation>
    </message>
    <message>
        <source>Encrypted or decrypted file to create:</source>
        <translation>Anzulegende Ausgabedatei:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Encrypt with real, authenticated encryption. While this is ticked, Decrypt opens only sealed files and refuses classic ones; without the tick it opens either kind.</source>
        <translation>Mit echter, authentifizierter Verschlüsselung verschlüsseln. Solange dies angekreuzt ist, öffnet Entschlüsseln nur versiegelte Dateien und weist klassische ab; ohne das Kreuz öffnet es beide Arten.</translation>
    </message>
    <message>
        <source>Sealed</source>
        <translation>Versiegelt</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>File to encrypt or decrypt</source>
        <translation>Zu ver- oder entschlüsselnde Datei</translation>
    </message>
    <message>
        <source>Chooses the file to encrypt or decrypt.</source>
        <translation>Wählt die zu ver- oder entschlüsselnde Datei.</translation>
    </message>
    <message>
        <source>Encrypted or decrypted file to create</source>
        <translation>Anzulegende ver- oder entschlüsselte Datei</translation>
    </message>
    <message>
        <source>Where Encrypt or Decrypt writes its result.</source>
        <translation>Wohin Verschlüsseln oder Entschlüsseln das Ergebnis schreibt.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
</context>
<context>
    <name>frmFile</name>
    <message>
        <source>File to read or create</source>
        <translation>Datei lesen oder anlegen</translation>
    </message>
    <message>
        <source>If you are Encrypting enter the name of the file you wish to create below.  If you are Decrypting type the path of the designated file or use the browse option to find it.</source>
        <translation>Beim Verschlüsseln geben Sie unten den Namen der anzulegenden Datei ein.  Beim Entschlüsseln tippen Sie den Pfad der Datei oder suchen sie mit Suchen.</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Datei:</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>Search for file to create or decrypt.</source>
        <translation>Datei zum Anlegen oder Entschlüsseln suchen.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>The message file to create when encrypting, or to read when decrypting.</source>
        <translation>Die Nachrichtendatei, die beim Verschlüsseln angelegt oder beim Entschlüsseln gelesen wird.</translation>
    </message>
</context>
<context>
    <name>frmFinish</name>
    <message>
        <source>Finish</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Now you have finished all the necessary information.  You may press the finish button to carry out the command, or you may use the Back button to make sure all of your previous information is correct.</source>
        <translation>Sie haben nun alle nötigen Angaben gemacht.  Drücken Sie Fertig, um den Befehl auszuführen, oder gehen Sie mit Zurück noch einmal alle Angaben durch.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
</context>
<context>
    <name>frmFlash</name>
    <message>
        <source>Goes on to the choice between the wizard and the advanced mode.</source>
        <translation>Weiter zur Wahl zwischen dem Assistenten und dem erweiterten Modus.</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>How to Use Tessera</source>
        <translation>So benutzen Sie Tessera</translation>
    </message>
    <message>
        <source>Encryption:</source>
        <translation>Schreiben:</translation>
    </message>
    <message>
        <source>To Encrypt enter a password and Type what text you want to send.  When you are finished, select a file to create and then press the Encrypt button.  </source>
        <translation>Zum Verschlüsseln geben Sie ein Passwort und den zu sendenden Text ein.  Wählen Sie danach eine anzulegende Datei und drücken Sie Verschlüsseln.  </translation>
    </message>
    <message>
        <source>Decryption:</source>
        <translation>Lesen:</translation>
    </message>
    <message>
        <source>To Decrypt simply type in the file to be decrypted at the bottom or use the Browse button to select the file.  At the top enter the password.  Passwords are case sensitive.  When you are ready press the decrypt button.  If the password you typed is correct then the correct message should appear in the box below the password.</source>
        <translation>Zum Entschlüsseln geben Sie unten die zu entschlüsselnde Datei ein oder wählen sie mit Suchen.  Oben geben Sie das Passwort ein; Groß- und Kleinschreibung zählt.  Dann drücken Sie Entschlüsseln.  Ist das Passwort richtig, erscheint die Nachricht im Feld unter dem Passwort.</translation>
    </message>
    <message>
        <source>If your program was shut down incorrectly, and it no longer works properly, try pressing the TesseraFix button provided here.</source>
        <translation>Wurde Ihr Programm nicht richtig beendet und arbeitet es nicht mehr richtig, drücken Sie hier die Schaltfläche Tessera Fix.</translation>
    </message>
    <message>
        <source>Tessera Fix</source>
        <translation>Tessera Fix</translation>
    </message>
    <message>
        <source>Deletes a scratch file that an interrupted encryption left behind.</source>
        <translation>Löscht eine Arbeitsdatei, die eine abgebrochene Verschlüsselung hinterlassen hat.</translation>
    </message>
</context>
<context>
    <name>frmKeys</name>
    <message>
        <source>Keys</source>
        <translation>Schlüssel</translation>
    </message>
    <message>
        <source>My key</source>
        <translation>Mein Schlüssel</translation>
    </message>
    <message>
        <source>Open keys (your identities):</source>
        <translation>Offene Schlüssel (Ihre Identitäten):</translation>
    </message>
    <message>
        <source>New key…</source>
        <translation>Neuer…</translation>
    </message>
    <message>
        <source>Open key…</source>
        <translation>Öffnen…</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Forget every open key</source>
        <translation>Alle offenen Schlüssel vergessen</translation>
    </message>
    <message>
        <source>Password (of a protected key):</source>
        <translation>Passwort (eines geschützten Schlüssels):</translation>
    </message>
    <message>
        <source>Password again (for a new key or a protected copy):</source>
        <translation>Passwort wiederholen (neuer Schlüssel, geschützte Kopie):</translation>
    </message>
    <message>
        <source>Protect a new key with this password</source>
        <translation>Neuen Schlüssel mit diesem Passwort schützen</translation>
    </message>
    <message>
        <source>Your recipient: give it to those who seal to you.</source>
        <translation>Ihr Empfänger: Geben Sie ihn denen, die an Sie versiegeln.</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Keep your key safe: if it is lost, or its password forgotten, nothing sealed to it opens again. Keep a copy protected by a password somewhere else.</source>
        <translation>Bewahren Sie Ihren Schlüssel sicher auf: Geht er verloren oder wird sein Passwort vergessen, öffnet sich nichts mehr, was an ihn versiegelt wurde. Bewahren Sie eine mit Passwort geschützte Kopie woanders auf.</translation>
    </message>
    <message>
        <source>Protected copy…</source>
        <translation>Geschützte Kopie…</translation>
    </message>
    <message>
        <source>People</source>
        <translation>Personen</translation>
    </message>
    <message>
        <source>People file:</source>
        <translation>Personendatei:</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Öffnen…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation>Speichern unter…</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Recipient</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Recipient (paste it here):</source>
        <translation>Empfänger (hier einfügen):</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>it is far larger than such a file can be</source>
        <translation>sie ist weit größer, als eine solche Datei sein kann</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>das ist keine Datei</translation>
    </message>
    <message>
        <source>Open keys</source>
        <translation>Offene Schlüssel</translation>
    </message>
</context>
<context>
    <name>frmLoad</name>
    <message>
        <source>Tessera is Loading...</source>
        <translation>Tessera wird geladen...</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Wird geladen</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Enter Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Enter the Password for the file.</source>
        <translation>Geben Sie das Passwort für die Datei ein.</translation>
    </message>
    <message>
        <source>Press here to encrypt a message</source>
        <translation>Hier drücken, um eine Nachricht zu verschlüsseln</translation>
    </message>
    <message>
        <source>Press here to decrypt a message</source>
        <translation>Hier drücken, um eine Nachricht zu entschlüsseln</translation>
    </message>
    <message>
        <source>Enter Text to be Encrypted below:</source>
        <translation>Zu verschlüsselnder Text:</translation>
    </message>
    <message>
        <source>File to Create:</source>
        <translation>Anzulegende Datei:</translation>
    </message>
    <message>
        <source>Commandz</source>
        <translation>Befehle</translation>
    </message>
    <message>
        <source>Press to clear all feilds</source>
        <translation>Alle Felder leeren</translation>
    </message>
    <message>
        <source>Come to my Web Page and see all of my programz</source>
        <translation>Besuchen Sie meine Webseite und sehen Sie alle meine Programme</translation>
    </message>
    <message>
        <source>Add/Change the background</source>
        <translation>Hintergrund hinzufügen oder ändern</translation>
    </message>
    <message>
        <source>Print whatever text appears in the box on the left</source>
        <translation>Den Text im Feld links drucken</translation>
    </message>
    <message>
        <source>File to read or create:</source>
        <translation>Datei lesen/anlegen:</translation>
    </message>
    <message>
        <source>Search for file to create or decrypt.</source>
        <translation>Datei zum Anlegen oder Entschlüsseln suchen.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Öffnen</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>E&amp;ncrypt</source>
        <translation>&amp;Verschlüsseln</translation>
    </message>
    <message>
        <source>&amp;Decrypt</source>
        <translation>&amp;Entschlüsseln</translation>
    </message>
    <message>
        <source>&amp;Keys…</source>
        <translation>&amp;Schlüssel…</translation>
    </message>
    <message>
        <source>&amp;Visit My Web Page</source>
        <translation>Meine &amp;Webseite besuchen</translation>
    </message>
    <message>
        <source>&amp;Backgrounds</source>
        <translation>&amp;Hintergründe</translation>
    </message>
    <message>
        <source>Go to Wizard</source>
        <translation>Zum Assistenten</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>How to work Tessera</source>
        <translation>So arbeitet Tessera</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Nachricht</translation>
    </message>
    <message>
        <source>The text to encrypt; a decrypted message appears here.</source>
        <translation>Der zu verschlüsselnde Text; eine entschlüsselte Nachricht erscheint hier.</translation>
    </message>
    <message>
        <source>Opens the options: PIC, JunkBitz and Sealed.</source>
        <translation>Öffnet die Optionen: PIC, JunkBitz und Versiegelt.</translation>
    </message>
    <message>
        <source>Opens the file window, which encrypts or decrypts a whole file.</source>
        <translation>Öffnet das Dateifenster, das eine ganze Datei ver- oder entschlüsselt.</translation>
    </message>
    <message>
        <source>File to read or create</source>
        <translation>Zu lesende oder anzulegende Datei</translation>
    </message>
    <message>
        <source>The message file that Encrypt creates or Decrypt reads.</source>
        <translation>Die Nachrichtendatei, die Verschlüsseln anlegt oder Entschlüsseln liest.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
</context>
<context>
    <name>frmPW</name>
    <message>
        <source>Enter Password</source>
        <translation>Passwort eingeben</translation>
    </message>
    <message>
        <source>Every crypto program requires a password or a key.  Below fill in a password of at least 6 characters.  This password is what makes the message legible during decryption.</source>
        <translation>Jedes Kryptoprogramm braucht ein Passwort oder einen Schlüssel.  Geben Sie unten ein Passwort mit mindestens 6 Zeichen ein.  Mit ihm wird die Nachricht beim Entschlüsseln lesbar.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Confirm password</source>
        <translation>Passwort bestätigen</translation>
    </message>
</context>
<context>
    <name>frmPrintShow</name>
    <message>
        <source>Which would you like?</source>
        <translation>Was möchten Sie?</translation>
    </message>
    <message>
        <source>You now have the option to simply print out the decrypted file, view the text, or do both .  Just check the boxes below of what it is you want Tessera to do.</source>
        <translation>Sie können die entschlüsselte Datei drucken, den Text ansehen oder beides.  Kreuzen Sie unten an, was Tessera tun soll.</translation>
    </message>
    <message>
        <source>View Text</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Print Text</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
</context>
<context>
    <name>frmSecret</name>
    <message>
        <source>Secret</source>
        <translation>Geheimnis</translation>
    </message>
</context>
<context>
    <name>frmTextEnc</name>
    <message>
        <source>Text to Encrypt</source>
        <translation>Zu verschlüsselnder Text</translation>
    </message>
    <message>
        <source>Below enter the body of the text which is the message.</source>
        <translation>Geben Sie unten den Text der Nachricht ein.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Nachricht</translation>
    </message>
    <message>
        <source>The text to encrypt.</source>
        <translation>Der zu verschlüsselnde Text.</translation>
    </message>
</context>
<context>
    <name>frmWizard1</name>
    <message>
        <source>Which of the following fromats would you like to use for Tessera</source>
        <translation>Welche Form von Tessera möchten Sie verwenden?</translation>
    </message>
    <message>
        <source>Tessera Wizard</source>
        <translation>Assistent</translation>
    </message>
    <message>
        <source>Tessera wizard enables those who have never used encryption before to use it immediately.</source>
        <translation>Mit dem Tessera-Assistenten verschlüsselt sofort, wer es noch nie getan hat.</translation>
    </message>
    <message>
        <source>Tessera advanced mode allows you to use Tessera as most crypto programz with a fast traditional yet advanced interface.</source>
        <translation>Im erweiterten Modus verwenden Sie Tessera wie die meisten Kryptoprogramme, mit einer schnellen, klassischen und doch erweiterten Oberfläche.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Leads you through one encryption or decryption, page by page.</source>
        <translation>Führt Sie Seite für Seite durch eine Ver- oder Entschlüsselung.</translation>
    </message>
    <message>
        <source>Opens the advanced mode: one window with every command.</source>
        <translation>Öffnet den erweiterten Modus: ein Fenster mit allen Befehlen.</translation>
    </message>
</context>
<context>
    <name>frmWizardAdvanced</name>
    <message>
        <source>Advanced Properties</source>
        <translation>Erweiterte Einstellungen</translation>
    </message>
    <message>
        <source>These options allow you to fortify your encryption.</source>
        <translation>Diese Optionen stärken Ihre Verschlüsselung.</translation>
    </message>
    <message>
        <source>A PIC or Program Intrinsic Code allows you, the user, to strengthen your password without any complications.  The PIC makes your password better without changing the length of the text which goes through the output.  And there is no added information required, Tessera 2.0 or higher can automatically detect if a PIC was used.</source>
        <translation>Ein PIC (programmeigener Code) stärkt Ihr Passwort ohne jeden Aufwand.  Der PIC verbessert Ihr Passwort, ohne die Länge des ausgegebenen Textes zu ändern.  Sie müssen sich nichts weiter merken: Tessera 2.0 und neuer erkennt selbst, ob ein PIC verwendet wurde.</translation>
    </message>
    <message>
        <source>JunkBitz or JB is a system in which peices of junk, which are thrown away  by this program during decryption,  are place in the output code.  The output code size is increased, but the information his hidden within the junk area.  Making it more difficult to break.</source>
        <translation>JunkBitz (JB) setzt Füllzahlen, die dieses Programm beim Entschlüsseln verwirft, in den ausgegebenen Code.  Der Code wird größer, doch die Information ist zwischen den Füllzahlen versteckt.  Das macht ihn schwerer zu knacken.</translation>
    </message>
    <message>
        <source>What would you like to use?</source>
        <translation>Was möchten Sie nutzen?</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Real encryption: without the password nobody reads it, and a wrong password or a changed file is refused.</source>
        <translation>Echte Verschlüsselung: Ohne das Passwort liest es niemand, und ein falsches Passwort oder eine geänderte Datei wird abgewiesen.</translation>
    </message>
    <message>
        <source>Sealed</source>
        <translation>Versiegelt</translation>
    </message>
    <message>
        <source>Sealed (strong, authenticated)</source>
        <translation>Versiegelt (stark, geprüft)</translation>
    </message>
    <message>
        <source>Your keys, and the people you seal to</source>
        <translation>Ihre Schlüssel und die Personen, an die Sie versiegeln</translation>
    </message>
    <message>
        <source>Keys…</source>
        <translation>Schlüssel</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Program Intrinsic Code: a fixed extension of the password, in the classic format.</source>
        <translation>Programmeigener Code: eine feste Erweiterung des Passworts, im klassischen Format.</translation>
    </message>
    <message>
        <source>JunkBitz: junk numbers mixed into the message file, in the classic format.</source>
        <translation>JunkBitz: Füllzahlen, in die Nachrichtendatei gemischt, im klassischen Format.</translation>
    </message>
    <message>
        <source>Neither PIC nor JunkBitz: the plain classic format.</source>
        <translation>Weder PIC noch JunkBitz: das schlichte klassische Format.</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>No printer is installed.</source>
        <translation>Es ist kein Drucker eingerichtet.</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>Der Drucker ließ sich nicht starten.</translation>
    </message>
    <message>
        <source>The printer stopped in the middle of the text.</source>
        <translation>Der Drucker hat mitten im Text angehalten.</translation>
    </message>
    <message>
        <source>The printer could not finish the document.</source>
        <translation>Der Drucker konnte das Dokument nicht abschließen.</translation>
    </message>
    <message>
        <source>The text was not printed: %1</source>
        <translation>Der Text wurde nicht gedruckt: %1</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>the web engine does not run for the administrator (root) with its sandbox on. Run Tessera2 as an ordinary user, or set QTWEBENGINE_DISABLE_SANDBOX=1 to switch the sandbox off</source>
        <translation>die Web-Engine läuft für den Administrator (root) nicht mit eingeschalteter Sandbox. Starten Sie Tessera2 als gewöhnlicher Benutzer, oder setzen Sie QTWEBENGINE_DISABLE_SANDBOX=1, um die Sandbox abzuschalten</translation>
    </message>
    <message>
        <source>the web engine&apos;s helper program (QtWebEngineProcess) is missing</source>
        <translation>das Hilfsprogramm der Web-Engine (QtWebEngineProcess) fehlt</translation>
    </message>
    <message>
        <source>the web engine&apos;s resources (qtwebengine_resources.pak) are missing</source>
        <translation>die Ressourcen der Web-Engine (qtwebengine_resources.pak) fehlen</translation>
    </message>
</context>
<context>
    <name>resources</name>
    <message>
        <source>VERSION 2.0</source>
        <translation>VERSION 2.0</translation>
    </message>
</context>
<context>
    <name>ui::CostQuestion</name>
    <message>
        <source>Opening &quot;%1&quot; takes %2 passes over %3 of memory to find its key, more than the usual %4 over %5: it may take a long time and much of the computer&apos;s memory, and cannot be stopped part way.

Open it anyway?</source>
        <translation>Um &quot;%1&quot; zu öffnen, braucht die Suche nach dem Schlüssel %2 Durchgänge über %3 Speicher, mehr als die üblichen %4 über %5: Das kann lange dauern, viel vom Speicher des Computers belegen und lässt sich unterwegs nicht abbrechen.

Trotzdem öffnen?</translation>
    </message>
</context>
<context>
    <name>ui::FormatCaption</name>
    <message>
        <source>Format: Sealed</source>
        <translation>Format: Versiegelt</translation>
    </message>
    <message>
        <source>Format: Classic</source>
        <translation>Format: Klassisch</translation>
    </message>
    <message>
        <source>Encrypts in the sealed format: strong, authenticated encryption.</source>
        <translation>Verschlüsselt im versiegelten Format: starke, authentifizierte Verschlüsselung.</translation>
    </message>
    <message>
        <source>Encrypts in the classic format, which hides the text from a casual reader only; choose Sealed for anything secret.</source>
        <translation>Verschlüsselt im klassischen Format, das den Text nur vor flüchtigen Lesern verbirgt; wählen Sie Versiegelt für alles Geheime.</translation>
    </message>
    <message>
        <source>Opens sealed input only (Sealed is chosen).</source>
        <translation>Öffnet nur versiegelte Eingaben (Versiegelt ist gewählt).</translation>
    </message>
    <message>
        <source>Opens classic or sealed input, recognised by itself.</source>
        <translation>Öffnet klassische oder versiegelte Eingaben und erkennt sie selbst.</translation>
    </message>
    <message numerus="yes">
        <source>Format: Sealed to %n person</source>
        <translation>
            <numerusform>Versiegelt an %n Person</numerusform>
            <numerusform>Versiegelt an %n Personen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Format: Sealed to %n people</source>
        <translation>
            <numerusform>Versiegelt an %n Person</numerusform>
            <numerusform>Versiegelt an %n Personen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ui::IdentityQuestion</name>
    <message>
        <source>Open the identity it is sealed to</source>
        <translation>Die Identität öffnen, an die es versiegelt ist</translation>
    </message>
    <message>
        <source>The password of the identity file &quot;%1&quot;:</source>
        <translation>Das Passwort der Identitätsdatei &quot;%1&quot;:</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>ui::PasswordMeter</name>
    <message>
        <source>Password strength</source>
        <translation>Passwortstärke</translation>
    </message>
</context>
<context>
    <name>ui::ReplaceQuestion</name>
    <message>
        <source>The file &quot;%1&quot; already exists and is not a message file.

Replace it with the encrypted message? Everything it holds now will be lost.</source>
        <translation>Die Datei &quot;%1&quot; gibt es schon, und sie ist keine Nachrichtendatei.

Sie durch die verschlüsselte Nachricht ersetzen? Alles, was sie jetzt enthält, geht verloren.</translation>
    </message>
</context>
<context>
    <name>ui::SealTarget</name>
    <message>
        <source>Nobody to seal to: choose a person under People, or open your own key in the Keys window and leave it in.</source>
        <translation>Niemand zum Versiegeln: Wählen Sie eine Person unter Personen, oder öffnen Sie Ihren eigenen Schlüssel im Fenster Schlüssel und lassen Sie ihn dabei.</translation>
    </message>
    <message>
        <source>with a password</source>
        <translation>mit Passwort</translation>
    </message>
    <message>
        <source>to people</source>
        <translation>an Personen</translation>
    </message>
    <message>
        <source>Seal</source>
        <translation>Versiegeln</translation>
    </message>
    <message>
        <source>People</source>
        <translation>Personen</translation>
    </message>
    <message>
        <source>People to seal to</source>
        <translation>Personen, an die versiegelt wird</translation>
    </message>
    <message>
        <source>(no people: open a people file in the Keys window)</source>
        <translation>(keine Personen: Öffnen Sie eine Personendatei im Fenster Schlüssel)</translation>
    </message>
    <message>
        <source>Leave out my own keys</source>
        <translation>Meine eigenen Schlüssel weglassen</translation>
    </message>
</context>
<context>
    <name>ui::WindowCipherHost</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>ui::frmAbout</name>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Die Systeminformationen sind zurzeit nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>ui::frmAdvanced</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>ui::frmBack</name>
    <message>
        <source>Tessera Background</source>
        <translation>Tessera-Hintergrund</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp)</source>
        <translation>Bitmaps (*.bmp)</translation>
    </message>
    <message>
        <source>The file you selected could not be found!</source>
        <translation>Die gewählte Datei wurde nicht gefunden!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>ui::frmBrowser</name>
    <message>
        <source>The web page cannot be shown here: %1.

Its address is %2.</source>
        <translation>Die Webseite kann hier nicht angezeigt werden: %1.

Ihre Adresse ist %2.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vor</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Startseite</translation>
    </message>
    <message>
        <source>Working...</source>
        <translation>Wird geladen...</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
</context>
<context>
    <name>ui::frmEncDec</name>
    <message>
        <source>Encrypt</source>
        <translation>Verschlüsseln</translation>
    </message>
    <message>
        <source>Decrypt</source>
        <translation>Entschlüsseln</translation>
    </message>
</context>
<context>
    <name>ui::frmEncFile</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>ui::frmFile</name>
    <message>
        <source>Tessera File</source>
        <translation>Tessera-Datei</translation>
    </message>
</context>
<context>
    <name>ui::frmFinish</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>ui::frmFlash</name>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>ui::frmHelp</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Problemz Fixed!</source>
        <translation>Problem behoben!</translation>
    </message>
    <message>
        <source>It is believed that TesseraFix could not fix the problem</source>
        <translation>Tessera Fix konnte das Problem wohl nicht beheben</translation>
    </message>
    <message>
        <source>Sealed: for anything secret.</source>
        <translation>Versiegelt: für alles Geheime.</translation>
    </message>
    <message>
        <source>The classic formats (the default) only hide a text from a casual reader; someone determined recovers it without the password. Choose Sealed (in the options window that the Advanced button opens, on the wizard&apos;s options page, or with the file window&apos;s Sealed box) for anything that must stay secret. A sealed message or file is encrypted with XChaCha20-Poly1305 under a key made from the password with Argon2id: nobody reads it without the password, guessing passwords is slow, and every change is noticed. A wrong password, or a file that was altered or cut short, is refused and nothing is written. Sealed does not hide how large a message or file is, nor that it is sealed, and it is only as strong as its password: a weak password can be guessed. Decrypting recognises a sealed input by itself; while Sealed is chosen, it opens sealed input only. Earlier versions of Tessera cannot read sealed files.</source>
        <translation>Die klassischen Formate (die Vorgabe) verbergen einen Text nur vor flüchtigen Lesern; wer entschlossen ist, gewinnt ihn auch ohne Passwort zurück. Wählen Sie Versiegelt (im Optionsfenster, das die Schaltfläche Erweitert öffnet, auf der Optionsseite des Assistenten oder mit dem Feld Versiegelt des Dateifensters) für alles, was geheim bleiben muss. Eine versiegelte Nachricht oder Datei wird mit XChaCha20-Poly1305 verschlüsselt, unter einem Schlüssel, den Argon2id aus dem Passwort macht: Ohne das Passwort liest sie niemand, Passwörter zu raten ist langsam, und jede Änderung fällt auf. Ein falsches Passwort oder eine geänderte oder gekürzte Datei wird abgewiesen, und nichts wird geschrieben. Versiegelt verbirgt weder, wie groß eine Nachricht oder Datei ist, noch, dass sie versiegelt ist, und es ist nur so stark wie sein Passwort: Ein schwaches Passwort lässt sich erraten. Das Entschlüsseln erkennt eine versiegelte Eingabe von selbst; ist Versiegelt gewählt, öffnet es nur versiegelte Eingaben. Frühere Versionen von Tessera können versiegelte Dateien nicht lesen.</translation>
    </message>
    <message>
        <source>The format caption.</source>
        <translation>Die Formatanzeige.</translation>
    </message>
    <message>
        <source>The strength meter.</source>
        <translation>Die Stärkeanzeige.</translation>
    </message>
    <message>
        <source>Dropping files.</source>
        <translation>Dateien ablegen.</translation>
    </message>
    <message>
        <source>Drop one file on the main window to make it the message file, on the file window to make it the file to encrypt or decrypt (the copy&apos;s name follows), or on the wizard&apos;s file page. A drop only names the file: it is never moved. Several files, a folder, or anything that is not one ordinary file are ignored.</source>
        <translation>Legen Sie eine Datei auf dem Hauptfenster ab, um sie zur Nachrichtendatei zu machen, auf dem Dateifenster, um sie zu ver- oder entschlüsseln (der Name der Kopie folgt), oder auf der Dateiseite des Assistenten. Das Ablegen nennt die Datei nur: Sie wird nie verschoben. Mehrere Dateien, ein Ordner oder alles, was nicht eine gewöhnliche Datei ist, bleiben unbeachtet.</translation>
    </message>
    <message>
        <source>Before a document is replaced.</source>
        <translation>Bevor ein Dokument ersetzt wird.</translation>
    </message>
    <message>
        <source>Encrypt in the main window and the wizard writes the message file under the name given. When a file of that name exists, holds something and is not a message file, you are asked first, and No (the default) leaves everything as it was. An earlier message file is replaced without a question.</source>
        <translation>Verschlüsseln im Hauptfenster und im Assistenten schreibt die Nachrichtendatei unter dem angegebenen Namen. Gibt es eine Datei dieses Namens, die etwas enthält und keine Nachrichtendatei ist, werden Sie zuerst gefragt, und Nein (die Vorgabe) lässt alles, wie es war. Eine frühere Nachrichtendatei wird ohne Frage ersetzt.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>How to use Tessera, then what Tessera2 adds; the arrow and page keys scroll.</source>
        <translation>So benutzen Sie Tessera, danach, was Tessera2 hinzufügt; die Pfeil- und Bildtasten blättern.</translation>
    </message>
    <message>
        <source>What Tessera2 adds:</source>
        <translation>Was Tessera2 hinzufügt:</translation>
    </message>
    <message>
        <source>Sealing to people.</source>
        <translation>An Personen versiegeln.</translation>
    </message>
    <message>
        <source>The Keys window.</source>
        <translation>Das Fenster Schlüssel.</translation>
    </message>
    <message>
        <source>Open it from the Tessera menu of the main window, or with Keys on the wizard&apos;s options page. Under My key, New key makes an identity in a new file, protected by a password when the box below the passwords is ticked (the meter rates that password), and Open key opens one you have; a protected identity needs its password in the Password box first. The chosen key&apos;s recipient shows as text, with Copy, and as a QR code that a phone can read. Under People, a people file (one recipient a line, with the person&apos;s name) is opened and saved like a document: paste a recipient, type a name and press Add, or choose a person to rename or remove. A mistyped recipient is refused at once, and so is an identity pasted where a recipient belongs. Nothing is remembered between runs: your keys and people stay in the files you choose.</source>
        <translation>Sie öffnen es im Menü Tessera des Hauptfensters oder mit Schlüssel auf der Optionsseite des Assistenten. Unter Mein Schlüssel erzeugt Neuer eine Identität in einer neuen Datei, mit einem Passwort geschützt, wenn das Feld unter den Passwörtern angekreuzt ist (die Anzeige bewertet dieses Passwort), und Öffnen öffnet eine, die Sie haben; eine geschützte Identität braucht zuerst ihr Passwort im Passwortfeld. Der Empfänger des gewählten Schlüssels erscheint als Text, mit Kopieren, und als QR-Code, den ein Telefon lesen kann. Unter Personen wird eine Personendatei (ein Empfänger je Zeile, mit dem Namen der Person) wie ein Dokument geöffnet und gespeichert: Fügen Sie einen Empfänger ein, tippen Sie einen Namen und drücken Sie Hinzufügen, oder wählen Sie eine Person zum Umbenennen oder Entfernen. Ein vertippter Empfänger wird sofort abgewiesen, ebenso eine Identität, die dort eingefügt wird, wo ein Empfänger hingehört. Zwischen zwei Programmläufen wird nichts behalten: Ihre Schlüssel und Personen bleiben in den Dateien, die Sie wählen.</translation>
    </message>
    <message>
        <source>Keep your identity safe.</source>
        <translation>Bewahren Sie Ihre Identität sicher auf.</translation>
    </message>
    <message>
        <source>Losing the identity makes its files unreadable: if the identity file is lost, or the password of a protected one forgotten, nothing sealed to it opens again, and nobody can help. Protected copy in the Keys window writes a copy of the chosen key under a password; keep it somewhere else than the key itself.</source>
        <translation>Wer die Identität verliert, kann ihre Dateien nicht mehr lesen: Geht die Identitätsdatei verloren oder wird das Passwort einer geschützten vergessen, öffnet sich nichts mehr, was an sie versiegelt wurde, und niemand kann helfen. Geschützte Kopie im Fenster Schlüssel schreibt eine Kopie des gewählten Schlüssels unter einem Passwort; bewahren Sie sie an einem anderen Ort auf als den Schlüssel selbst.</translation>
    </message>
    <message>
        <source>Beside the Encrypt and Decrypt buttons, the main window and the file window say what Encrypt will write: &quot;Format: Classic&quot;, &quot;Format: Sealed&quot;, or, sealed to people, to how many: &quot;Format: Sealed to 2 people&quot;. A screen reader hears the same from the buttons.</source>
        <translation>Neben den Knöpfen Verschlüsseln und Entschlüsseln sagen das Hauptfenster und das Dateifenster, was Verschlüsseln schreiben wird: &quot;Format: Klassisch&quot;, &quot;Format: Versiegelt&quot; oder, an Personen versiegelt, an wie viele: &quot;Versiegelt an 2 Personen&quot;. Ein Bildschirmleser hört dasselbe von den Knöpfen.</translation>
    </message>
    <message>
        <source>While Sealed with a password is chosen, a meter beside the password box (in the main window, the file window and the wizard&apos;s password and options pages) rates the password in plain words with a rough time to guess it, for an attacker who tries 10,000 passwords a second. It never refuses a password; the wizard asks once about a very weak one before it seals with it.</source>
        <translation>Solange Versiegelt mit Passwort gewählt ist, bewertet eine Anzeige neben dem Passwortfeld (im Hauptfenster, im Dateifenster und auf den Seiten Passwort und Optionen des Assistenten) das Passwort in einfachen Worten, mit einer groben Zeit, es zu erraten, für einen Angreifer, der 10.000 Passwörter pro Sekunde probiert. Sie lehnt nie ein Passwort ab; der Assistent fragt einmal nach, bevor er mit einem sehr schwachen versiegelt.</translation>
    </message>
    <message>
        <source>A message or file can also be sealed to people rather than to a password: each of them opens it with their own key, and no password has to travel. A person&apos;s key has two halves. The identity is the secret half, a small file that stays with its owner. The recipient is the public half, one line beginning &quot;tessera1&quot; that may be read aloud, printed or mailed: it is no secret, and a typing mistake in it is caught. Wherever Sealed is chosen, choose &quot;to people&quot; instead of &quot;with a password&quot; and tick the people under People, from the people file open in the Keys window. Your own keys open there are added, so that you can read what you sent, unless you tick &quot;Leave out my own keys&quot;. In the wizard, a message sealed to people does not use the password you typed. Decrypting opens what is sealed to people with the keys open in the Keys window, or asks for the identity file it is sealed to, and for its password when it is protected.</source>
        <translation>Eine Nachricht oder Datei lässt sich auch an Personen statt an ein Passwort versiegeln: Jede von ihnen öffnet sie mit ihrem eigenen Schlüssel, und kein Passwort muss weitergegeben werden. Der Schlüssel einer Person hat zwei Hälften. Die Identität ist die geheime Hälfte, eine kleine Datei, die bei ihrem Besitzer bleibt. Der Empfänger ist die öffentliche Hälfte, eine Zeile, die mit &quot;tessera1&quot; beginnt und vorgelesen, gedruckt oder gemailt werden darf: Sie ist kein Geheimnis, und ein Tippfehler darin wird erkannt. Wo Versiegelt gewählt wird, wählen Sie &quot;an Personen&quot; statt &quot;mit Passwort&quot; und haken Sie die Personen unter Personen an, aus der im Fenster Schlüssel geöffneten Personendatei. Ihre dort geöffneten eigenen Schlüssel kommen hinzu, damit Sie lesen können, was Sie gesendet haben, außer Sie haken &quot;Meine eigenen Schlüssel weglassen&quot; an. Im Assistenten verwendet eine an Personen versiegelte Nachricht das eingegebene Passwort nicht. Beim Entschlüsseln wird, was an Personen versiegelt ist, mit den im Fenster Schlüssel geöffneten Schlüsseln geöffnet, oder es wird nach der Identitätsdatei gefragt, an die es versiegelt ist, und nach ihrem Passwort, wenn sie geschützt ist.</translation>
    </message>
</context>
<context>
    <name>ui::frmKeys</name>
    <message>
        <source>The key file %1 cannot be read: %2.</source>
        <translation>Die Schlüsseldatei %1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The key file %1 cannot be used: %2</source>
        <translation>Die Schlüsseldatei %1 ist nicht verwendbar: %2</translation>
    </message>
    <message>
        <source>Open a key</source>
        <translation>Einen Schlüssel öffnen</translation>
    </message>
    <message>
        <source>The key in %1 is protected by a password. Type it in the Password box, then open the key again.</source>
        <translation>Der Schlüssel in %1 ist mit einem Passwort geschützt. Tippen Sie es in das Passwortfeld und öffnen Sie den Schlüssel dann noch einmal.</translation>
    </message>
    <message>
        <source>Type the key&apos;s password in both password boxes (or untick the password).</source>
        <translation>Tippen Sie das Passwort des Schlüssels in beide Passwortfelder (oder nehmen Sie das Kreuz beim Passwort weg).</translation>
    </message>
    <message>
        <source>The two passwords differ. Type them again.</source>
        <translation>Die beiden Passwörter sind verschieden. Tippen Sie sie noch einmal.</translation>
    </message>
    <message>
        <source>The encryption library could not make a key.</source>
        <translation>Die Verschlüsselungsbibliothek konnte keinen Schlüssel erzeugen.</translation>
    </message>
    <message>
        <source>Where to keep the new key</source>
        <translation>Wohin mit dem neuen Schlüssel</translation>
    </message>
    <message>
        <source>Where to keep the protected copy</source>
        <translation>Wohin mit der geschützten Kopie</translation>
    </message>
    <message>
        <source>A copy of the key, protected by the password, is in %1. Keep it somewhere else than the key itself.</source>
        <translation>Eine mit dem Passwort geschützte Kopie des Schlüssels liegt in %1. Bewahren Sie sie an einem anderen Ort auf als den Schlüssel selbst.</translation>
    </message>
    <message>
        <source>%1 already exists. A key is always written to a new file: choose another name.</source>
        <translation>%1 gibt es schon. Ein Schlüssel wird immer in eine neue Datei geschrieben: Wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>The encryption library failed.</source>
        <translation>Die Verschlüsselungsbibliothek hat versagt.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.</source>
        <translation>%1 konnte nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>%1  (%2)</source>
        <translation>%1  (%2)</translation>
    </message>
    <message>
        <source>The people list has changes that are not saved. Open another file and lose them?</source>
        <translation>Die Personenliste hat ungespeicherte Änderungen. Eine andere Datei öffnen und sie verlieren?</translation>
    </message>
    <message>
        <source>Open a people file</source>
        <translation>Eine Personendatei öffnen</translation>
    </message>
    <message>
        <source>The people file %1 cannot be read: %2.</source>
        <translation>Die Personendatei %1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>%1 is not a people file. Its line %2: %3</source>
        <translation>%1 ist keine Personendatei. Ihre Zeile %2: %3</translation>
    </message>
    <message>
        <source>Save the people file</source>
        <translation>Die Personendatei speichern</translation>
    </message>
    <message>
        <source>%1 holds a key (an identity). A people file never replaces a key: choose another name.</source>
        <translation>%1 enthält einen Schlüssel (eine Identität). Eine Personendatei ersetzt nie einen Schlüssel: Wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 gibt es schon. Ersetzen?</translation>
    </message>
    <message>
        <source>This recipient is in the list already, as %1.</source>
        <translation>Dieser Empfänger steht schon in der Liste, als %1.</translation>
    </message>
    <message>
        <source>Type the person&apos;s name too, so that you can find them in the list.</source>
        <translation>Tippen Sie auch den Namen der Person ein, damit Sie sie in der Liste wiederfinden.</translation>
    </message>
    <message>
        <source>Choose the person to rename in the list first.</source>
        <translation>Wählen Sie zuerst in der Liste die Person, die Sie umbenennen möchten.</translation>
    </message>
    <message>
        <source>Type the person&apos;s new name in the Name box.</source>
        <translation>Tippen Sie den neuen Namen der Person in das Feld Name.</translation>
    </message>
    <message>
        <source>Choose the person to remove in the list first.</source>
        <translation>Wählen Sie zuerst in der Liste die Person, die Sie entfernen möchten.</translation>
    </message>
    <message>
        <source>not saved yet</source>
        <translation>noch nicht gespeichert</translation>
    </message>
    <message>
        <source>People file: %1 (changed)</source>
        <translation>Personendatei: %1 (geändert)</translation>
    </message>
    <message>
        <source>People file: %1</source>
        <translation>Personendatei: %1</translation>
    </message>
    <message>
        <source>The people list has changes that are not saved in a file; they are lost when the program ends. Close the window without saving them?</source>
        <translation>Die Personenliste hat Änderungen, die in keiner Datei gespeichert sind; sie gehen verloren, wenn das Programm endet. Das Fenster schließen, ohne sie zu speichern?</translation>
    </message>
    <message>
        <source>Make a new key or open one: its QR code shows here.</source>
        <translation>Erzeugen oder öffnen Sie einen Schlüssel: Sein QR-Code erscheint hier.</translation>
    </message>
</context>
<context>
    <name>ui::frmMain</name>
    <message>
        <source>Encrypt</source>
        <translation>Verschlüsseln</translation>
    </message>
    <message>
        <source>Decrypt</source>
        <translation>Entschlüsseln</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Web Page</source>
        <translation>Webseite</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <source>File Encryption</source>
        <translation>Datei verschlüsseln</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Tessera File</source>
        <translation>Tessera-Datei</translation>
    </message>
    <message>
        <source>You must be logged on to your ISP, would you like to continue?</source>
        <translation>Sie müssen mit Ihrem Internetanbieter verbunden sein. Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Internet Service Provider</source>
        <translation>Internetanbieter</translation>
    </message>
    <message>
        <source>Maximum amount of Characters reached!</source>
        <translation>Die Höchstzahl an Zeichen ist erreicht!</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>ui::frmPW</name>
    <message>
        <source>Passwords do not match!</source>
        <translation>Die Passwörter stimmen nicht überein!</translation>
    </message>
    <message>
        <source>This program was created by OrBiT</source>
        <translation>Dieses Programm stammt von OrBiT</translation>
    </message>
</context>
<context>
    <name>ui::frmSecret</name>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>ui::frmTextEnc</name>
    <message>
        <source>You must have at least one character</source>
        <translation>Es muss mindestens ein Zeichen sein</translation>
    </message>
</context>
<context>
    <name>ui::frmWizard1</name>
    <message>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
</context>
<context>
    <name>ui::frmWizardAdvanced</name>
    <message>
        <source>A sealed message is only as strong as its password, and this one is very weak: it could be guessed in %1.

Seal the message with it anyway? No goes back to the password page.</source>
        <translation>Eine versiegelte Nachricht ist nur so stark wie ihr Passwort, und dieses ist sehr schwach: Es ließe sich in %1 erraten.

Die Nachricht trotzdem damit versiegeln? Nein führt zurück zur Passwortseite.</translation>
    </message>
    <message>
        <source>Sealed to people: the password you typed is not used.</source>
        <translation>An Personen versiegelt: Das getippte Passwort wird nicht verwendet.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
</TS>
