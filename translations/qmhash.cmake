# Writes the SHA-256 of the compiled translation QM beside it, as QM.sha256: Zorvel loads a
# translation only when its bytes are the ones built.
file(SHA256 ${QM} hash)
file(WRITE ${QM}.sha256 "${hash}\n")
