# Writes the SHA-256 of the translation file QM beside it, as QM.sha256.
file(SHA256 "${QM}" sum)
file(WRITE "${QM}.sha256" "${sum}\n")
