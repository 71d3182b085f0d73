player=Ann~number=5~size=6~time=61~errors=0~clues=1~difficulty=5~score=58329~
player=Bob~number=~size=6~

number=1~player=~size=4~time=-1~errors=2147483647~clues=0~difficulty=0~score=1~
