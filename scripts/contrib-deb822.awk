# Reads deb822 sources files and prints, for each enabled Debian "deb" stanza
# of the release `codename` that has main and not contrib, a stanza with the
# same URIs, suites and Signed-By (a path or an inline key) for contrib.
BEGIN { RS = ""; FS = "\n" }
{
    types = ""; uris = ""; suites = ""; components = ""; signedBy = ""
    enabled = "yes"; field = ""
    for (i = 1; i <= NF; i++) {
        line = $i
        if (line ~ /^#/)
            continue
        if (line ~ /^[ \t]/) {
            if (field == "signed-by")
                signedBy = signedBy "\n" line
            continue
        }
        colon = index(line, ":")
        if (colon == 0)
            continue
        field = tolower(substr(line, 1, colon - 1))
        value = substr(line, colon + 1)
        gsub(/^[ \t]+|[ \t]+$/, "", value)
        if (field == "types") types = value
        else if (field == "uris") uris = value
        else if (field == "suites") suites = value
        else if (field == "components") components = value
        else if (field == "signed-by") signedBy = value
        else if (field == "enabled") enabled = tolower(value)
    }
    if (types !~ /(^|[ \t])deb([ \t]|$)/ || enabled == "no")
        next
    if (components !~ /(^|[ \t])main([ \t]|$)/ || components ~ /(^|[ \t])contrib([ \t]|$)/)
        next
    if (suites !~ ("(^|[ \t])" codename "(-[a-z]+)?([ \t]|$)") || uris == "")
        next
    printf "Types: deb\nURIs: %s\nSuites: %s\nComponents: contrib\n", uris, suites
    if (signedBy != "")
        printf "Signed-By: %s\n", signedBy
    printf "\n"
}
