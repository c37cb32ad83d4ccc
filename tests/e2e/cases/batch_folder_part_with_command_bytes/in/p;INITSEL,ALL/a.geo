S
