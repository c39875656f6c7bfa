# Reads one-line sources files ("deb [options] URI suite components") and
# prints, for each Debian "deb" line of the release `codename` that has main
# and not contrib, a deb822 stanza with the same URI, suite and signed-by for
# contrib.
$1 == "deb" {
    i = 2
    signedBy = ""
    if ($2 ~ /^\[/) {
        for (; i <= NF; i++) {
            option = $i
            gsub(/[][]/, "", option)
            if (option ~ /^signed-by=/)
                signedBy = substr(option, 11)
            if ($i ~ /\]$/)
                break
        }
        i++
    }
    uri = $i
    suite = $(i + 1)
    main = 0
    contrib = 0
    for (j = i + 2; j <= NF && $j !~ /^#/; j++) {
        if ($j == "main") main = 1
        if ($j == "contrib") contrib = 1
    }
    if (!main || contrib || suite !~ ("^" codename "(-[a-z]+)?$"))
        next
    printf "Types: deb\nURIs: %s\nSuites: %s\nComponents: contrib\n", uri, suite
    if (signedBy != "")
        printf "Signed-By: %s\n", signedBy
    printf "\n"
}
