<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name></name>
    <message id="could not convert string to float: '%1'">
        <location filename="../host/functions.cpp" line="+35"/>
        <source></source>
        <translation>der Text „%1“ lässt sich nicht in eine Gleitkommazahl umwandeln</translation>
    </message>
    <message id="unknown element type %1">
        <location filename="../host/ndarray.cpp" line="+52"/>
        <source></source>
        <translation>unbekannter Elementtyp %1</translation>
    </message>
    <message id="negative extent in shape %1">
        <location line="+151"/>
        <source></source>
        <translation>negative Ausdehnung in der Form %1</translation>
    </message>
    <message id="an array of shape %1 and type %2 is too large">
        <location line="+2"/>
        <source></source>
        <translation>ein Feld der Form %1 und des Typs %2 ist zu groß</translation>
    </message>
    <message id="a 0-d array has no rows">
        <location line="+10"/>
        <source></source>
        <translation>ein 0-dimensionales Feld hat keine Zeilen</translation>
    </message>
    <message id="rows %1 to %2 are outside the %3 rows of the array">
        <location line="+18"/>
        <source></source>
        <translation>die Zeilen %1 bis %2 liegen außerhalb der %3 Zeilen des Felds</translation>
    </message>
    <message id="need at least one array to concatenate">
        <location line="+12"/>
        <source></source>
        <translation>zum Verketten wird mindestens ein Feld gebraucht</translation>
    </message>
    <message id="a 0-d array cannot be concatenated">
        <location line="+3"/>
        <source></source>
        <translation>ein 0-dimensionales Feld kann nicht verkettet werden</translation>
    </message>
    <message id="cannot concatenate %1 with %2">
        <location line="+5"/>
        <source></source>
        <translation>%1 kann nicht mit %2 verkettet werden</translation>
    </message>
    <message id="cannot concatenate shape %1 with %2">
        <location line="+4"/>
        <source></source>
        <translation>die Form %1 kann nicht mit %2 verkettet werden</translation>
    </message>
    <message id="the concatenated array is too large">
        <location line="+3"/>
        <source></source>
        <translation>das verkettete Feld ist zu groß</translation>
    </message>
    <message id="cannot convert %1 to %2">
        <location line="+26"/>
        <source></source>
        <translation>%1 kann nicht in %2 umgewandelt werden</translation>
    </message>
    <message id="the array holds %1, not %2">
        <location line="+94"/>
        <source></source>
        <translation>das Feld enthält %1, nicht %2</translation>
    </message>
    <message id="%1 values are not real numbers">
        <location filename="../host/ndarray.h" line="+197"/>
        <source></source>
        <translation>Werte vom Typ %1 sind keine reellen Zahlen</translation>
    </message>
    <message id="extents %1 do not hold %2 values">
        <location line="+14"/>
        <source></source>
        <translation>die Ausdehnung %1 fasst keine %2 Werte</translation>
    </message>
    <message id="no property '%1'">
        <location filename="../host/propertymap.cpp" line="+27"/>
        <source></source>
        <translation>keine Eigenschaft „%1“</translation>
    </message>
    <message id="a property '%1' already exists">
        <location line="+32"/>
        <source></source>
        <translation>eine Eigenschaft „%1“ gibt es bereits</translation>
    </message>
    <message id="Cannot operate on a closed database.">
        <location filename="../host/sqlite.cpp" line="+181"/>
        <source></source>
        <translation>Mit einer geschlossenen Datenbank kann nicht gearbeitet werden.</translation>
    </message>
    <message id="You can only execute one statement at a time.">
        <location line="+17"/>
        <source></source>
        <translation>Es kann nur eine Anweisung auf einmal ausgeführt werden.</translation>
    </message>
    <message id="The statement is empty.">
        <location line="+2"/>
        <source></source>
        <translation>Die Anweisung ist leer.</translation>
    </message>
    <message id="Incorrect number of bindings supplied. The current statement uses %1, and there are %2 supplied.">
        <location line="+19"/>
        <source></source>
        <translation>Falsche Anzahl gebundener Parameter. Die aktuelle Anweisung verwendet %1, angegeben sind %2.</translation>
    </message>
    <message id="Error binding parameter %1: no adapter is registered for arrays">
        <location line="+28"/>
        <source></source>
        <translation>Fehler beim Binden von Parameter %1: für Felder ist kein Adapter registriert</translation>
    </message>
    <message id="executemany() can only execute DML statements.">
        <location line="+36"/>
        <location line="+8"/>
        <source></source>
        <translation>executemany() kann nur DML-Anweisungen ausführen.</translation>
    </message>
    <message id="invalid .npy blob: %1">
        <location filename="../host/sqlite_array.cpp" line="+27"/>
        <source></source>
        <translation>ungültiger .npy-Blob: %1</translation>
    </message>
    <message id="no .npy type code for %1">
        <location line="+32"/>
        <source></source>
        <translation>kein .npy-Typcode für %1</translation>
    </message>
    <message id="unsupported element type %1">
        <location line="+8"/>
        <location line="+12"/>
        <source></source>
        <translation>nicht unterstützter Elementtyp %1</translation>
    </message>
    <message id="object element type %1 is not supported">
        <location line="-10"/>
        <source></source>
        <translation>der Objekt-Elementtyp %1 wird nicht unterstützt</translation>
    </message>
    <message id="element type %1 lacks its byte order">
        <location line="+7"/>
        <source></source>
        <translation>dem Elementtyp %1 fehlt die Bytereihenfolge</translation>
    </message>
    <message id="structured element types are not supported">
        <location line="+29"/>
        <source></source>
        <translation>strukturierte Elementtypen werden nicht unterstützt</translation>
    </message>
    <message id="duplicate key '%1' in the header">
        <location line="+7"/>
        <source></source>
        <translation>doppelter Schlüssel „%1“ im Kopf</translation>
    </message>
    <message id="unexpected key '%1' in the header">
        <location line="+2"/>
        <source></source>
        <translation>unerwarteter Schlüssel „%1“ im Kopf</translation>
    </message>
    <message id="unexpected text after the header dictionary at offset %1">
        <location line="+12"/>
        <source></source>
        <translation>unerwarteter Text nach dem Wörterbuch des Kopfs an Position %1</translation>
    </message>
    <message id="the header lacks the key 'descr'">
        <location line="+2"/>
        <source></source>
        <translation>dem Kopf fehlt der Schlüssel „descr“</translation>
    </message>
    <message id="the header lacks the key 'fortran_order'">
        <location line="+2"/>
        <source></source>
        <translation>dem Kopf fehlt der Schlüssel „fortran_order“</translation>
    </message>
    <message id="the header lacks the key 'shape'">
        <location line="+2"/>
        <source></source>
        <translation>dem Kopf fehlt der Schlüssel „shape“</translation>
    </message>
    <message id="malformed header: expected '%1' at offset %2">
        <location line="+20"/>
        <source></source>
        <translation>fehlerhafter Kopf: „%1“ erwartet an Position %2</translation>
    </message>
    <message id="malformed header: expected a quoted text at offset %1">
        <location line="+7"/>
        <source></source>
        <translation>fehlerhafter Kopf: Text in Anführungszeichen erwartet an Position %1</translation>
    </message>
    <message id="malformed header: unsupported character in a text at offset %1">
        <location line="+5"/>
        <source></source>
        <translation>fehlerhafter Kopf: nicht unterstütztes Zeichen in einem Text an Position %1</translation>
    </message>
    <message id="malformed header: unterminated text">
        <location line="+4"/>
        <source></source>
        <translation>fehlerhafter Kopf: nicht abgeschlossener Text</translation>
    </message>
    <message id="malformed header: fortran_order is not True or False">
        <location line="+13"/>
        <source></source>
        <translation>fehlerhafter Kopf: fortran_order ist weder True noch False</translation>
    </message>
    <message id="negative extent in the shape">
        <location line="+6"/>
        <source></source>
        <translation>negative Ausdehnung in der Form</translation>
    </message>
    <message id="an extent of the shape overflows 64 bits">
        <location line="+6"/>
        <source></source>
        <translation>eine Ausdehnung der Form sprengt 64 Bit</translation>
    </message>
    <message id="malformed header: expected an extent at offset %1">
        <location line="+5"/>
        <source></source>
        <translation>fehlerhafter Kopf: Ausdehnung erwartet an Position %1</translation>
    </message>
    <message id="malformed header: extent with a leading zero at offset %1">
        <location line="+2"/>
        <source></source>
        <translation>fehlerhafter Kopf: Ausdehnung mit führender Null an Position %1</translation>
    </message>
    <message id="the shape has more than %1 axes">
        <location line="+12"/>
        <source></source>
        <translation>die Form hat mehr als %1 Achsen</translation>
    </message>
    <message id="malformed header: the shape is not a tuple">
        <location line="+11"/>
        <source></source>
        <translation>fehlerhafter Kopf: die Form ist kein Tupel</translation>
    </message>
    <message id="%1 bytes are too short for an .npy header">
        <location line="+44"/>
        <location line="+9"/>
        <source></source>
        <translation>%1 Bytes sind zu kurz für einen .npy-Kopf</translation>
    </message>
    <message id="bad magic, the blob does not start with \x93NUMPY">
        <location line="-7"/>
        <source></source>
        <translation>falsche Kennung, der Blob beginnt nicht mit \x93NUMPY</translation>
    </message>
    <message id="unsupported .npy version %1.%2">
        <location line="+4"/>
        <source></source>
        <translation>nicht unterstützte .npy-Version %1.%2</translation>
    </message>
    <message id="header length %1 exceeds the limit of %2 bytes">
        <location line="+7"/>
        <source></source>
        <translation>die Kopflänge %1 überschreitet die Grenze von %2 Bytes</translation>
    </message>
    <message id="header length %1 runs past the end of the blob of %2 bytes">
        <location line="+2"/>
        <source></source>
        <translation>die Kopflänge %1 reicht über das Ende des Blobs von %2 Bytes hinaus</translation>
    </message>
    <message id="the header is not fully available">
        <location line="+2"/>
        <source></source>
        <translation>der Kopf ist nicht vollständig vorhanden</translation>
    </message>
    <message id="the byte count of shape %1 of %2 overflows">
        <location line="+11"/>
        <source></source>
        <translation>die Byteanzahl der Form %1 mit %2 läuft über</translation>
    </message>
    <message id="%1 data bytes do not match shape %2 of %3, which needs %4">
        <location line="+8"/>
        <source></source>
        <translation>%1 Datenbytes passen nicht zur Form %2 mit %3, die %4 braucht</translation>
    </message>
    <message id="an array of %1 axes cannot be stored; the most is %2">
        <location line="+27"/>
        <source></source>
        <translation>ein Feld mit %1 Achsen kann nicht gespeichert werden; höchstens %2 sind möglich</translation>
    </message>
    <message id="an array of %1 bytes is too large for one blob">
        <location line="+24"/>
        <source></source>
        <translation>ein Feld von %1 Bytes ist zu groß für einen Blob</translation>
    </message>
    <message id="%1 values cannot be measured">
        <location filename="../host/valuesummary.cpp" line="+148"/>
        <source></source>
        <translation>Werte vom Typ %1 lassen sich nicht auswerten</translation>
    </message>
    <message id="unknown error">
        <location filename="../host/errorhandler.h" line="+41"/>
        <source></source>
        <translation>unbekannter Fehler</translation>
    </message>
</context>
</TS>
