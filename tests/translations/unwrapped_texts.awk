# Prints each string literal with a non-ASCII letter, written as it is or as an escape (a cp1250
# byte "\xe8", a character "\u010D"), that no translation call encloses:
# tr(), translate(), QT_TRANSLATE_NOOP() or QT_TR_NOOP(). Texts listed in the file given as
# ALLOWED (one a line) are shown untranslated on purpose. Comments are skipped.
BEGIN {
    while ((getline line < ALLOWED) > 0) if (line !~ /^#/ && line != "") allowed[line] = 1
}
FNR == 1 { depth = 0; inComment = 0 }
{
    text = $0
    n = length(text)
    i = 1
    while (i <= n) {
        c = substr(text, i, 1)
        two = substr(text, i, 2)
        if (inComment) {
            if (two == "*/") { inComment = 0; i += 2 } else i++
            continue
        }
        if (two == "//") break
        if (two == "/*") { inComment = 1; i += 2; continue }
        if (c == "'") {
            # a character literal, escapes included
            j = i + 1
            while (j <= n && substr(text, j, 1) != "'") j += (substr(text, j, 1) == "\\") ? 2 : 1
            i = j + 1
            continue
        }
        if (c == "\"") {
            j = i + 1
            literal = ""
            while (j <= n && substr(text, j, 1) != "\"") {
                step = (substr(text, j, 1) == "\\") ? 2 : 1
                literal = literal substr(text, j, step)
                j += step
            }
            i = j + 1
            escaped = literal ~ /\\x[89a-fA-F][0-9a-fA-F]|\\u(00[89a-fA-F]|0[1-9a-fA-F]|[1-9a-fA-F])/
            if ((literal ~ /[\200-\377]/ || escaped) && !wrapped() && !(literal in allowed)) {
                printf "%s:%d: %s\n", FILENAME, FNR, literal
                found = 1
            }
            continue
        }
        if (c == "(") {
            before = substr(text, 1, i - 1)
            marker[++depth] = (before ~ /(^|[^A-Za-z_])(tr|translate|QT_TRANSLATE_NOOP|QT_TR_NOOP)[ \t]*$/)
        } else if (c == ")" && depth > 0) {
            depth--
        }
        i++
    }
}
function wrapped(   k) {
    for (k = 1; k <= depth; k++) if (marker[k]) return 1
    return 0
}
END { exit found }
