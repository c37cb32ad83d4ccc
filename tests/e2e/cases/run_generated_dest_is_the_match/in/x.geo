Node
1 0
